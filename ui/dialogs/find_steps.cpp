#include "ui/dialogs/find_steps.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <limits>

#include "base/printf_text.h"
#include "base/text.h"
#include "model/selection.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {

bool StepContains(const StepRecord& s, std::string_view needle) {
  return ContainsNoCase(s.action.view(), needle) || ContainsNoCase(s.text.str(), needle) ||
         ContainsNoCase(s.comment.str(), needle) || ContainsNoCase(s.onfail.view(), needle) ||
         ContainsNoCase(s.onfail_value.view(), needle) || ContainsNoCase(s.output_value.view(), needle);
}

std::string_view CutFindText(std::string_view text) { return text.substr(0, std::min(text.size(), kMaxFindText)); }

}  // namespace

int FindStepRow(const ScriptSlot& slot, std::string_view find_text, int from, SearchDirection direction) {
  const std::string_view needle = CutFindText(find_text);
  const int count = slot.step_count;
  if (needle.empty() || count <= 0) return -1;
  const bool down = direction == SearchDirection::Down;
  // A start outside the script counts as no selection.
  if (from < 0 || from >= count) from = down ? -1 : count;
  for (int row = down ? from + 1 : from - 1; row >= 0 && row < count; row += down ? 1 : -1)
    if (StepContains(slot.steps[static_cast<std::size_t>(row)], needle)) return row;
  return -1;
}

int FindInScript(Workspace& ws, std::string_view find_text, SearchDirection direction,
                 const std::vector<int>& selection) {
  ScriptSlot& slot = ws.current_slot();
  EditorSeam& seam = ws.seam();
  if (slot.step_count <= 0) {
    seam.ShowMessage(kEmptyScriptMessage, "Zelomat Warning", MessageButtons::Ok, MessageIcon::Warning);
    return -1;
  }
  const std::vector<int> rows = SelectedSteps(slot, selection);
  const int from = rows.empty() ? -1 : rows.front();
  const int found = FindStepRow(slot, find_text, from, direction);
  if (found < 0) {
    const std::string shown(CutFindText(find_text));
    seam.ShowMessage(PrintfText("Cannot find \"%s\" while searching %s", shown.c_str(),
                                direction == SearchDirection::Up ? "up" : "down"),
                     "Zelomat Warning", MessageButtons::Ok, MessageIcon::Information);
    return -1;
  }
  seam.SelectRows({found});
  return found;
}

std::string StoredFindText() {
  StoredValue value;
  if (!Settings().Get(SettingsRoot::CurrentUser, setting::kKey, setting::kFindName, &value)) return std::string();
  if (value.kind != ValueKind::String && value.kind != ValueKind::ExpandString) return std::string();
  const std::size_t end = value.data.find('\0');
  return std::string(CutFindText(std::string_view(value.data).substr(0, end)));
}

void StoreFindText(std::string_view text) { WriteSetting(setting::kFind, CutFindText(text)); }

SearchDirection StoredFindDirection() {
  return ReadSetting(setting::kFindDirection) == 1 ? SearchDirection::Up : SearchDirection::Down;
}

void StoreFindDirection(SearchDirection direction) {
  WriteSettingNumber(setting::kFindDirection, direction == SearchDirection::Up ? 1 : 0);
}

std::optional<long long> ParseStepNumber(std::string_view input) {
  const std::string_view t = TrimBlanks(input);
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
  if (i == t.size()) return std::nullopt;
  for (std::size_t k = i; k < t.size(); ++k)
    if (!std::isdigit(static_cast<unsigned char>(t[k]))) return std::nullopt;
  // A number too long for any script still means "the last step".
  const std::string digits(t);
  errno = 0;
  const long long n = std::strtoll(digits.c_str(), nullptr, 10);
  if (errno == ERANGE) return t[0] == '-' ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
  return n;
}

int StepNumberRow(long long number, int step_count) {
  if (step_count <= 0) return -1;
  if (number <= 1) return 0;
  if (number >= step_count) return step_count - 1;
  return static_cast<int>(number - 1);
}

int GoToStep(Workspace& ws, std::string_view input) {
  const int count = ws.current_slot().step_count;
  if (count <= 0) {
    ws.seam().ShowMessage(kEmptyScriptMessage, "Zelomat Warning", MessageButtons::Ok, MessageIcon::Warning);
    return -1;
  }
  const std::optional<long long> number = ParseStepNumber(input);
  if (!number) {
    ws.seam().Beep();
    return -1;
  }
  const int row = StepNumberRow(*number, count);
  ws.seam().SelectRows({row});
  return row;
}

}  // namespace zelo
