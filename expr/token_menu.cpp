#include "expr/token_menu.h"

#include <algorithm>

namespace zelo {

const std::vector<TokenSubmenu>& TokenSubmenus() {
  static const std::vector<TokenSubmenu> menus = {
      {"Run-time Text",
       "%n\tNewline (LF)|%r\tReturn (CR)|%r%n\tNew Line in File (CR+LF)|%t\tTab|%%\tSingle '%'|-|"
       "%x\tRandom Number (1 digit)|%xx\tRandom Number (2 digits)|%xxxxxx\tRandom Number (6 digits, etc)|"
       "%c\tRandom Character (1 letter)|%cc\tRandom Characters (2 letters)|"
       "%cccccc\tRandom Characters (6 letters, etc.)|-|"
       "%L\tLoops Played (1-digit)|%LLLL\tLoops Played (4-digit)|"
       "%e\tRepeats Played (1-digit)|%eeee\tRepeats Played (4-digit)|-|"
       "%file_loop\tNext 'Files Loop' file name|%file_line_loop\tNext 'File Line Loop' line|"
       "%window_loop\tNext 'Windows Loop' window title|%hwnd_loop\tNext 'Windows Loop' window handle|"
       "%data_loop\tNext 'Dataset Loop' row|-|"
       "%logfile\tZelomat Log File|%currentstep\tCurrent Step #|%currentfile\tCurrent File Tab (1-8)|"
       "%filename\tCurrent Script Name + Path|%filebasename\tCurrent Script Name|"
       "%filepath\tCurrent Script Path|%fileext\tCurrent Script Extension"},
      {"Date/Time",
       "%yyyy\tYear (4-digit)|%yy\tYear (2-digit)|-|"
       "%mmmm\tMonth Name (long)|%mmm\tMonth Name (short)|%mm\tMonth Number (2-digit)|-|"
       "%dddd\tWeekday Name (long)|%ddd\tWeekday Name (short)|%dd\tDay of Month|-|"
       "%uu\t24-Hour|%hh\t12-Hour|%a\tAM/PM|%ii\tMinute|%ss\tSecond|-|"
       "%hh++2\tTwo Hours from Now|%ii--15\tFifteen Minutes Ago|%dd++7\tNext Week|-|"
       "%dddd, %mmmm %dd, %yyyy at %hh:%ii %a\tTypical Date/Time Entry|-|"
       "%ticks\tTime snapshot (for benchmarking)"},
      {"System Text",
       "%screen_x\tScreen Width|%screen_y\tScreen Height|-|"
       "%mouse_x\tCurrent Mouse Horizontal Position|%mouse_y\tCurrent Mouse Vertical Position|-|"
       "%window_x\tCurrent Window Left Position|%window_y\tCurrent Window Top Position|"
       "%window_wide\tCurrent Window Width|%window_hi\tCurrent Window Height|-|"
       "%clipboard\tClipboard Text|%window\tCurrent Window Title|%hwnd\tCurrent Window Handle|"
       "%winclass\tCurrent Window Class Name|-|"
       "%windir\tWindows Directory|%sysdir\tSystem Directory|%curdir\tCurrent Directory|-|"
       "%programfiles\t\"Program Files\" Folder|%path\tPATH Environment Variable|"
       "%tempfile\tUnique Temporary Filename|-|"
       "%winver\tWindows OS Version"},
  };
  return menus;
}

std::vector<TokenMenuEntry> TokenMenuEntries(std::string_view entries) {
  std::vector<TokenMenuEntry> out;
  while (!entries.empty()) {
    const std::size_t bar = entries.find('|');
    const std::string_view entry = entries.substr(0, bar);
    TokenMenuEntry e;
    if (entry == "-") {
      e.separator = true;
    } else {
      const std::size_t tab = entry.find('\t');
      e.token = std::string(entry.substr(0, tab));
      e.label = tab == std::string_view::npos ? e.token : std::string(entry.substr(tab + 1));
    }
    out.push_back(std::move(e));
    if (bar == std::string_view::npos) break;
    entries.remove_prefix(bar + 1);
  }
  return out;
}

std::vector<std::string> EnvironmentMenuEntries(const std::vector<std::string>& names) {
  std::vector<std::string> out;
  for (const std::string& name : names) {
    if (out.size() == kMaxVariableMenuEntries) break;
    if (name.size() >= 2) out.push_back("%" + name + "%");
  }
  return out;
}

std::vector<std::string> UserVariableMenuEntries(const ScriptSlot& slot) {
  std::vector<std::string> names;
  auto trimmed = [](std::string_view s) {
    auto cut = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && cut(s.front())) s.remove_prefix(1);
    while (!s.empty() && cut(s.back())) s.remove_suffix(1);
    return s;
  };
  for (int32_t i = 0; i < slot.step_count && i < slot.capacity(); ++i) {
    std::string_view value = slot.steps[static_cast<std::size_t>(i)].output_value.view();
    if (value.find('%') == std::string_view::npos) continue;
    while (true) {
      const std::size_t percent = value.find('%');
      const std::string_view piece = trimmed(value.substr(0, percent));
      if (!piece.empty()) names.push_back("%" + std::string(piece));
      if (percent == std::string_view::npos) break;
      value.remove_prefix(percent + 1);
    }
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  if (names.size() > kMaxVariableMenuEntries) names.resize(kMaxVariableMenuEntries);
  return names;
}

}  // namespace zelo
