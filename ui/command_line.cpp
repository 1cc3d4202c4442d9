#include "ui/command_line.h"

#include "base/text.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

const char kUsageText[] =
    "Zelomat Startup (Command Line) Options:\n\n\t/e\tEdit file\n\t/r\tRun file\n\t/v\tRun file in Zelomat\n\t/L\t"
    "Turn logging on\n\t/f\tTurn logging off\n\t%x=1\tSet user variable\n\nExample:  Zelomat.exe /v C:\\MyFile.zxm "
    "/L %foo=\"New Value\"\t";
const char kUsageCaption[] = "Zelomat";

namespace {

enum class Switch { Help, Visible, Run, Edit, LogOn, LogOff, Ignored };

struct SwitchWord {
  const char* word;
  Switch what;
};

// Every option word the program knows. "/g" and "/d" are accepted for old
// batch files and do nothing.
constexpr SwitchWord kSwitchWords[] = {
    {"/?", Switch::Help},     {"-?", Switch::Help},     {"/HELP", Switch::Help}, {"-HELP", Switch::Help},
    {"/v", Switch::Visible},  {"-v", Switch::Visible},  {"/r", Switch::Run},     {"-r", Switch::Run},
    {"/e", Switch::Edit},     {"-e", Switch::Edit},     {"/L", Switch::LogOn},   {"-L", Switch::LogOn},
    {"/f", Switch::LogOff},   {"-f", Switch::LogOff},   {"/g", Switch::Ignored}, {"-g", Switch::Ignored},
    {"/d", Switch::Ignored},  {"-d", Switch::Ignored},
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

const SwitchWord* FindSwitch(std::string_view word) {
  for (const SwitchWord& s : kSwitchWords)
    if (EqualsNoCase(word, s.word)) return &s;
  return nullptr;
}

// A piece of the arguments: a blank-separated word or one assignment.
struct Token {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool quoted = false;       // a word with a double quote in it
  bool assignment = false;
  CommandLineVariable variable;  // for assignments
};

// Reads the value that starts at pos (just after the "="); returns the end of
// the assignment text.
std::size_t ReadValue(std::string_view text, std::size_t pos, std::string* value) {
  if (pos < text.size() && (text[pos] == '"' || text[pos] == '\'')) {
    std::size_t close = text.find(text[pos], pos + 1);
    if (close == std::string_view::npos) {
      *value = std::string(text.substr(pos + 1));
      return text.size();
    }
    *value = std::string(text.substr(pos + 1, close - pos - 1));
    return close + 1;
  }
  std::size_t end = pos;
  while (end < text.size() && !IsBlank(text[end]) && text[end] != '%' && text[end] != '/') ++end;
  *value = std::string(text.substr(pos, end - pos));
  return end;
}

std::vector<Token> Tokenize(std::string_view text) {
  std::vector<Token> tokens;
  Token word;
  bool in_word = false;
  auto end_word = [&](std::size_t at) {
    if (!in_word) return;
    word.end = at;
    tokens.push_back(word);
    word = Token();
    in_word = false;
  };
  auto start_word = [&](std::size_t at) {
    if (in_word) return;
    word.begin = at;
    in_word = true;
  };

  std::size_t pos = 0;
  while (pos < text.size()) {
    char c = text[pos];
    if (IsBlank(c)) {
      end_word(pos);
      ++pos;
    } else if (c == '"') {
      // A double-quoted stretch belongs to its word whole: blanks, "=" and
      // option letters inside it are plain characters.
      start_word(pos);
      word.quoted = true;
      std::size_t close = text.find('"', pos + 1);
      pos = close == std::string_view::npos ? text.size() : close + 1;
    } else if (c == '=' && in_word && !word.quoted && pos > word.begin) {
      Token assignment;
      assignment.assignment = true;
      assignment.begin = word.begin;
      std::string name(text.substr(word.begin, pos - word.begin));
      std::size_t percent = name.find('%');
      if (percent != std::string::npos) name.erase(percent, 1);
      assignment.variable.name = std::move(name);
      assignment.end = ReadValue(text, pos + 1, &assignment.variable.value);
      tokens.push_back(std::move(assignment));
      word = Token();
      in_word = false;
      pos = tokens.back().end;
    } else {
      start_word(pos);
      ++pos;
    }
  }
  end_word(text.size());
  return tokens;
}

}  // namespace

std::string_view ArgumentsAfterProgramPath(std::string_view full) {
  std::size_t pos = 0;
  while (pos < full.size() && IsBlank(full[pos])) ++pos;
  if (pos < full.size() && full[pos] == '"') {
    std::size_t close = full.find('"', pos + 1);
    pos = close == std::string_view::npos ? full.size() : close + 1;
  } else {
    while (pos < full.size() && !IsBlank(full[pos])) ++pos;
  }
  while (pos < full.size() && IsBlank(full[pos])) ++pos;
  return full.substr(pos);
}

CommandLine ParseCommandLine(std::string_view text) {
  CommandLine result;
  std::vector<Token> tokens = Tokenize(text);

  bool visible = false, run = false, edit = false, log_on = false, log_off = false;
  std::vector<bool> removed(tokens.size(), false);
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const Token& t = tokens[i];
    if (t.assignment) {
      removed[i] = true;
      continue;
    }
    if (t.quoted) continue;
    const SwitchWord* s = FindSwitch(text.substr(t.begin, t.end - t.begin));
    if (!s) continue;
    removed[i] = true;
    switch (s->what) {
      case Switch::Help:
        result.help = true;
        return result;  // the usage box replaces everything else of the line
      case Switch::Visible: visible = true; break;
      case Switch::Run: run = true; break;
      case Switch::Edit: edit = true; break;
      case Switch::LogOn: log_on = true; break;
      case Switch::LogOff: log_off = true; break;
      case Switch::Ignored: break;
    }
  }

  if (visible)
    result.start_bits |= START_OPEN | START_RUN;
  else if (run)
    result.start_bits |= START_OPEN | START_RUN | START_HIDDEN;
  else if (edit)
    result.start_bits |= START_OPEN;
  if (log_on) result.log = LogSwitch::On;
  if (log_off) result.log = LogSwitch::Off;  // "off" wins when both are given

  // The file name is the text between the removed pieces, blanks included, so
  // that an unquoted path with spaces stays whole.
  std::string rest;
  std::size_t copied_to = 0;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const Token& t = tokens[i];
    if (t.assignment) {
      result.start_bits |= START_VARIABLES;
      result.variables.push_back(t.variable);
    }
    if (!removed[i]) continue;
    rest.append(text.substr(copied_to, t.begin - copied_to));
    copied_to = t.end;
  }
  rest.append(text.substr(copied_to));

  std::string_view name = TrimBlanks(rest);
  if (!name.empty() && name.front() == '"') name.remove_prefix(1);
  if (!name.empty() && name.back() == '"') name.remove_suffix(1);
  if (!name.empty() && name != "%") {
    result.file_name = name;
    result.start_bits |= START_OPEN;
  }
  return result;
}

void ApplyLogSwitch(const CommandLine& command_line) {
  if (command_line.log == LogSwitch::Unchanged) return;
  WriteSettingNumber(setting::kLog, command_line.log == LogSwitch::On ? 1u : 0u);
}

}  // namespace zelo
