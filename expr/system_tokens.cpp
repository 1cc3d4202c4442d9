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
#include "expr/windows_version_name.h"
#include "model/script_slot.h"
#include "settings/defaults.h"
#include "settings/settings.h"

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
  std::string path = ReadSettingText("SOFTWARE\\Zelomat\\Logfile");
  if (path.empty()) {
    if (const SettingDefault* row = FindSettingDefault("Logfile"); row && row->text) path = row->text;
  }
  return path;
}

// "%FILENAME", "%FILEBASENAME", "%FILEPATH", "%FILEEXT" of the script in slot.
void ReplaceScriptFileTokens(std::string& text, SubstitutionContext& context, int slot) {
  if (FindNoCase(text, "%FILE") == std::string_view::npos) return;
  const std::string path = context.ScriptFileName(slot);
  const bool untitled = path.empty() || path == kUntitled;
  const std::size_t slash = path.rfind('\\');
  std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';  // a bare drive keeps its backslash
  const std::size_t dot = path.rfind('.');
  std::string extension = dot == std::string::npos ? path : path.substr(dot);
  if (untitled) base = folder = extension = kUntitled;
  ReplaceAllNoCase(text, "%FILENAME", untitled ? std::string(kUntitled) : path);
  ReplaceAllNoCase(text, "%FILEBASENAME", base);
  ReplaceAllNoCase(text, "%FILEPATH", folder);
  ReplaceAllNoCase(text, "%FILEEXT", extension);
}

// "%llll" ... "%l" (or "%eeee" ... "%e") in their four widths.
void ReplaceCounter(std::string& text, char letter, int64_t value) {
  const std::string one = std::string("%") + letter;
  if (FindNoCase(text, one) == std::string_view::npos) return;
  static const char* const kWidths[] = {"%04lld", "%03lld", "%02lld", "%lld"};
  for (int width = 4; width >= 1; --width)
    ReplaceAllNoCase(text, "%" + std::string(static_cast<std::size_t>(width), letter),
                     Formatted(kWidths[4 - width], value));
}

// The first "%x" (or "%c") token with its run of letters is drawn once and
// every occurrence of that token text gets the same result.
template <class Draw>
void ReplaceRandomToken(std::string& text, char letter, Draw&& draw) {
  const std::size_t start = FindNoCase(text, std::string("%") + letter);
  if (start == std::string_view::npos) return;
  std::size_t end = start + 1;
  while (end < text.size() && end - start - 1 < kMaxRandomRun && AsciiLower(text[end]) == letter) ++end;
  const std::string token = text.substr(start, end - start);
  std::string drawn;
  for (std::size_t i = 1; i < token.size(); ++i) drawn += draw(token[i] != letter);
  ReplaceAllNoCase(text, token, drawn);
}

}  // namespace

void ReplaceSystemTokens(std::string& text, int slot, int step) {
  if (text.find('%') == std::string::npos) return;
  SubstitutionContext& context = CurrentSubstitutionContext();

  ReplaceTokenNoCase(text, "%SYSDIR", [&] { return Cut(context.SystemFolder(), kMaxFolderText); });
  ReplaceTokenNoCase(text, "%WINDIR", [&] { return Cut(context.WindowsFolder(), kMaxFolderText); });
  ReplaceTokenNoCase(text, "%CURDIR", [&] { return Cut(context.CurrentFolder(), kMaxFolderText); });

  ReplaceAllNoCase(text, "%programfiles", "%PROGRAMFILES%");
  ReplaceAllNoCase(text, "%path", "%PATH%");
  ExpandEnvironmentReferences(text, context);

  ReplaceTokenNoCase(text, "%LOGFILE", [] { return LogFilePathSetting(); });
  ReplaceTokenNoCase(text, "%WINVER", [&] { return WindowsVersionName(context.WindowsVersion()); });

  ScreenRect window;
  if (FindNoCase(text, "%WINDOW_") != std::string_view::npos && context.CurrentWindowRect(&window)) {
    ReplaceAllNoCase(text, "%window_x", Formatted("%lld", window.left));
    ReplaceAllNoCase(text, "%window_y", Formatted("%lld", window.top));
    ReplaceAllNoCase(text, "%window_wide", Formatted("%lld", int64_t{window.right} - window.left));
    ReplaceAllNoCase(text, "%window_hi", Formatted("%lld", int64_t{window.bottom} - window.top));
  }
  ReplaceTokenNoCase(text, "%WINDOW", [&] { return Cut(UpToNul(context.ForegroundWindowTitle()), kMaxWindowTitle); });
  ReplaceTokenNoCase(text, "%HWND", [&] {
    return Formatted("%lld", static_cast<int32_t>(context.ForegroundWindowHandle()));
  });
  ReplaceTokenNoCase(text, "%WINCLASS", [&] { return Cut(UpToNul(context.ForegroundWindowClass()), kMaxWindowClass); });

  ReplaceScriptFileTokens(text, context, slot);
  ReplaceTokenNoCase(text, "%tempfile", [&] { return context.CreateTempFile(); });
  ReplaceTokenNoCase(text, "%CLIPBOARD", [&] { return UpToNul(context.ClipboardText()); });

  if (FindNoCase(text, "%l") != std::string_view::npos) ReplaceCounter(text, 'l', int64_t{context.LoopCounter(slot)} + 1);
  if (FindNoCase(text, "%e") != std::string_view::npos) {
    const int32_t repeats = context.RunRepeats(slot);
    ReplaceCounter(text, 'e', repeats < 0 ? 0 : repeats);
  }

  ReplaceAllNoCase(text, "%currentstep", Formatted("%lld", int64_t{step} + 1));
  ReplaceAllNoCase(text, "%currentfile", Formatted("%lld", int64_t{slot} + 1));
  ReplaceTokenNoCase(text, "%ticks", [&] { return Formatted("%lld", context.TickCount()); });
  if (FindNoCase(text, "%mouse_") != std::string_view::npos) {
    int32_t x = 0, y = 0;
    context.MousePosition(&x, &y);
    ReplaceAllNoCase(text, "%mouse_x", Formatted("%lld", x));
    ReplaceAllNoCase(text, "%mouse_y", Formatted("%lld", y));
  }
  if (FindNoCase(text, "%screen_") != std::string_view::npos) {
    int32_t width = 0, height = 0;
    context.ScreenSize(&width, &height);
    ReplaceAllNoCase(text, "%screen_x", Formatted("%lld", width));
    ReplaceAllNoCase(text, "%screen_y", Formatted("%lld", height));
  }

  ReplaceAllNoCase(text, "%r", "\r");
  ReplaceAllNoCase(text, "%n", "\n");
  ReplaceAllNoCase(text, "%t", "\t");

  ReplaceRandomToken(text, 'x', [](bool capital) { return static_cast<char>('0' + RandomInRange(capital ? 1 : 0, 9)); });
  ReplaceRandomToken(text, 'c', [](bool capital) { return static_cast<char>((capital ? 'A' : 'a') + RandomInRange(0, 25)); });
}

}  // namespace zelo
