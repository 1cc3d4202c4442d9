#include "expr/save_step_output.h"

#include <cstdio>
#include <string>

#include "base/printf_text.h"
#include "base/text.h"
#include "expr/char_classes.h"
#include "expr/expand_text.h"
#include "expr/substitution_context.h"
#include "expr/variable_store.h"
#include "model/file_platform.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {

std::string_view UpToNul(std::string_view s) {
  const std::size_t nul = s.find('\0');
  return nul == std::string_view::npos ? s : s.substr(0, nul);
}

// The data as a log line shows it: a C text cut to kMaxLoggedData characters.
std::string Logged(std::string_view data) {
  std::string_view text = UpToNul(data);
  return std::string(text.substr(0, kMaxLoggedData));
}

void SaveToVariable(std::string_view name, int slot, std::string_view data, SubstitutionContext& context) {
  if (!name.empty() && name.front() == '%') name.remove_prefix(1);
  if (name.size() > kMaxVariableName) name = name.substr(0, kMaxVariableName);
  const std::string variable(name);
  const long size = static_cast<long>(data.size());
  context.WriteLog(size > 5 ? PrintfText("\t%s = \"%s\" (%li bytes)\r\n", variable.c_str(), Logged(data).c_str(), size)
                            : PrintfText("\t%s = \"%s\"\r\n", variable.c_str(), Logged(data).c_str()));
  // A nameless variable would be the key's unnamed value: nothing is stored.
  if (variable.empty()) return;

  const std::string key = VariableKeyFor(variable, slot);
  const std::string_view value = UpToNul(data);
  if (value.empty()) {
    DeleteVariable(key, variable);
    context.RemoveVariable(variable);
    return;
  }
  if (ReadSetting(setting::kLogLevel) != 0) {
    const std::string prefix = IsLoopVariable(variable) ? std::string() : LocalVariablePrefix(slot);
    context.WriteLog(
        PrintfText("\tsaving to: " ZELO_SETTINGS_KEY "\\UserVariables\\%s%s\r\n", prefix.c_str(), variable.c_str()));
  }
  if (WriteVariable(key, variable, value) == VariableWrite::Failed) {
    context.WriteLog(PrintfText("\tERROR saving %li byte(s) to file \"%s\"\r\n", static_cast<long>(value.size()),
                                VariableFilePath(variable).c_str()));
  }
  const std::string_view shown = value.substr(0, kMaxPaletteValue);
  context.ShowVariable(variable, shown, CharsOnlyFrom(value, CharClass::kNumeric));
}

void SaveToClipboard(std::string_view data, SubstitutionContext& context) {
  if (data.empty()) {
    context.EmptyClipboard();
    return;
  }
  context.WriteLog(PrintfText("\tSaving %li byte(s) to clipboard: \"%s\"\r\n", static_cast<long>(data.size()),
                              Logged(data).c_str()));
  context.SetClipboardText(UpToNul(data));
}

void SaveToFile(const StepRecord& step, int slot, int step_index, std::string_view data,
                SubstitutionContext& context) {
  // The data may be the last expansion's result, which the expansion of the
  // file name replaces: keep a copy.
  const std::string bytes(data);
  ExpandText(step.output_value.view(), slot, step_index);
  const std::string path = ExpansionBuffer();
  RemoveFileQuietly(path);
  if (bytes.empty()) return;
  bool written = false;
  if (!path.empty() && CreateFolders(ParentFolder(path), nullptr)) {
    // Truncated on open: the file was removed just before, and if that
    // failed, no tail of the old content may survive behind the new one.
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
      written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
      written = std::fclose(f) == 0 && written;
    }
  }
  if (!written)
    context.WriteLog(PrintfText("\tERROR saving %li byte(s) to file \"%s\"\r\n", static_cast<long>(bytes.size()),
                                path.c_str()));
}

}  // namespace

void SaveStepOutput(const StepRecord& step, int slot, int step_index, std::string_view data,
                    std::optional<std::string_view> variable) {
  SubstitutionContext& context = CurrentSubstitutionContext();
  const std::string_view output = step.output.view();
  if (variable) {
    SaveToVariable(*variable, slot, data, context);
  } else if (ContainsNoCase(output, "var") && !step.output_value.empty()) {
    SaveToVariable(step.output_value.view(), slot, data, context);
  } else if (ContainsNoCase(output, "clip")) {
    SaveToClipboard(data, context);
  } else if (ContainsNoCase(output, "file") && !step.output_value.empty()) {
    SaveToFile(step, slot, step_index, data, context);
  }
}

}  // namespace zelo
