// The system tokens of ExpandText, in the order they are replaced: folders,
// environment, log file, Windows version, windows, script file, temporary
// file, clipboard, loop and repeat counters, run facts, control characters,
// random digits and letters.
#include <cstdio>

#include "expr/environment_expansion.h"
#include "expr/expansion_stages.h"
#include "expr/random.h"
#include "expr/substitution_context.h"
#include "expr/text_replace.h"
#include "expr/token_text.h"
#include "expr/windows_version_name.h"
#include "model/script_slot.h"
#include "settings/defaults.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {

constexpr std::size_t kMaxFolderText = 258;
constexpr std::size_t kMaxWindowTitle = 510;
constexpr std::size_t kMaxWindowClass = 258;
constexpr std::size_t kMaxRandomRun = 64;

std::string Cut(std::string text, std::size_t max) {
  if (text.size() > max) text.resize(max);
  return text;
}

std::string UpToNul(std::string text) {
  const std::size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  return text;
}

std::string Formatted(const char* pattern, int64_t n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, pattern, static_cast<long long>(n));
  return buf;
}

std::string LogFilePathSetting() {
  std::string path = ReadSettingText(setting::kLogfile);
  if (path.empty()) {
    if (const SettingDefault* row = FindSettingDefault("Logfile"); row && row->text) path = row->text;
  }
  return path;
}

// "%FILENAME", "%FILEBASENAME", "%FILEPATH", "%FILEEXT" of the script in slot.
void ReplaceScriptFileTokens(TokenText& t, SubstitutionContext& context, int slot) {
  if (!t.Holds("%FILE")) return;
  const std::string path = context.ScriptFileName(slot);
  const bool untitled = path.empty() || path == kUntitled;
  const std::size_t slash = path.rfind('\\');
  std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';  // a bare drive keeps its backslash
  const std::size_t dot = path.rfind('.');
  std::string extension = dot == std::string::npos ? path : path.substr(dot);
  if (untitled) base = folder = extension = kUntitled;
  t.ReplaceWith("%FILENAME", untitled ? std::string(kUntitled) : path);
  t.ReplaceWith("%FILEBASENAME", base);
  t.ReplaceWith("%FILEPATH", folder);
  t.ReplaceWith("%FILEEXT", extension);
}

// "%llll" ... "%l" (or "%eeee" ... "%e") in their four widths.
void ReplaceCounter(TokenText& t, char letter, int64_t value) {
  static const char* const kWidths[] = {"%04lld", "%03lld", "%02lld", "%lld"};
  for (int width = 4; width >= 1; --width)
    t.ReplaceWith("%" + std::string(static_cast<std::size_t>(width), letter), Formatted(kWidths[4 - width], value));
}

// The first "%x" (or "%c") token with its run of letters is drawn once and
// every occurrence of that token text gets the same result.
template <class Draw>
void ReplaceRandomToken(TokenText& t, char letter, Draw&& draw) {
  const std::string start_token = std::string("%") + letter;
  if (!t.Holds(start_token)) return;
  std::string& text = t.text();
  const std::size_t start = FindNoCase(text, start_token);
  std::size_t end = start + 1;
  while (end < text.size() && end - start - 1 < kMaxRandomRun && AsciiLower(text[end]) == letter) ++end;
  const std::string token = text.substr(start, end - start);
  std::string drawn;
  for (std::size_t i = 1; i < token.size(); ++i) drawn += draw(token[i] != letter);
  t.ReplaceWith(token, drawn);
}

}  // namespace

void ReplaceSystemTokens(std::string& text, int slot, int step) {
  if (text.find('%') == std::string::npos) return;
  SubstitutionContext& context = CurrentSubstitutionContext();
  TokenText t(text);

  t.Replace("%SYSDIR", [&] { return Cut(context.SystemFolder(), kMaxFolderText); });
  t.Replace("%WINDIR", [&] { return Cut(context.WindowsFolder(), kMaxFolderText); });
  t.Replace("%CURDIR", [&] { return Cut(context.CurrentFolder(), kMaxFolderText); });

  t.ReplaceWith("%programfiles", "%PROGRAMFILES%");
  t.ReplaceWith("%path", "%PATH%");
  ExpandEnvironmentReferences(text, context);
  t.Changed();

  t.Replace("%LOGFILE", [] { return LogFilePathSetting(); });
  t.Replace("%WINVER", [&] { return WindowsVersionName(context.WindowsVersion()); });

  ScreenRect window;
  if (t.Holds("%WINDOW_") && context.CurrentWindowRect(&window)) {
    t.ReplaceWith("%window_x", Formatted("%lld", window.left));
    t.ReplaceWith("%window_y", Formatted("%lld", window.top));
    t.ReplaceWith("%window_wide", Formatted("%lld", int64_t{window.right} - window.left));
    t.ReplaceWith("%window_hi", Formatted("%lld", int64_t{window.bottom} - window.top));
  }
  t.Replace("%WINDOW", [&] { return Cut(UpToNul(context.ForegroundWindowTitle()), kMaxWindowTitle); });
  t.Replace("%HWND", [&] { return Formatted("%lld", static_cast<int32_t>(context.ForegroundWindowHandle())); });
  t.Replace("%WINCLASS", [&] { return Cut(UpToNul(context.ForegroundWindowClass()), kMaxWindowClass); });

  ReplaceScriptFileTokens(t, context, slot);
  t.Replace("%tempfile", [&] { return context.CreateTempFile(); });
  t.Replace("%CLIPBOARD", [&] { return UpToNul(context.ClipboardText()); });

  if (t.Holds("%l")) ReplaceCounter(t, 'l', int64_t{context.LoopCounter(slot)} + 1);
  if (t.Holds("%e")) {
    const int32_t repeats = context.RunRepeats(slot);
    ReplaceCounter(t, 'e', repeats < 0 ? 0 : repeats);
  }

  t.Replace("%currentstep", [&] { return Formatted("%lld", int64_t{step} + 1); });
  t.Replace("%currentfile", [&] { return Formatted("%lld", int64_t{slot} + 1); });
  t.Replace("%ticks", [&] { return Formatted("%lld", context.TickCount()); });
  if (t.Holds("%mouse_")) {
    int32_t x = 0, y = 0;
    context.MousePosition(&x, &y);
    t.ReplaceWith("%mouse_x", Formatted("%lld", x));
    t.ReplaceWith("%mouse_y", Formatted("%lld", y));
  }
  if (t.Holds("%screen_")) {
    int32_t width = 0, height = 0;
    context.ScreenSize(&width, &height);
    t.ReplaceWith("%screen_x", Formatted("%lld", width));
    t.ReplaceWith("%screen_y", Formatted("%lld", height));
  }

  t.ReplaceWith("%r", "\r");
  t.ReplaceWith("%n", "\n");
  t.ReplaceWith("%t", "\t");

  ReplaceRandomToken(t, 'x', [](bool capital) { return static_cast<char>('0' + RandomInRange(capital ? 1 : 0, 9)); });
  ReplaceRandomToken(t, 'c', [](bool capital) { return static_cast<char>((capital ? 'A' : 'a') + RandomInRange(0, 25)); });
}

}  // namespace zelo
