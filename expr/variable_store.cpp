#include "expr/variable_store.h"

#include <sys/stat.h>

#include <cstdio>

#include "base/text.h"
#include "expr/folder_files.h"
#include "expr/substitution_context.h"
#include "model/file_access.h"
#include "model/file_platform.h"
#include "settings/settings.h"

namespace zelo {

namespace {
constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;

std::string_view UpToNul(std::string_view s) {
  const std::size_t nul = s.find('\0');
  return nul == std::string_view::npos ? s : s.substr(0, nul);
}
}  // namespace

bool IsLoopVariable(std::string_view name) {
  for (const char* loop : kLoopVariables)
    if (EqualsNoCase(name, loop)) return true;
  return false;
}

bool LocalVariableMode() { return ReadSetting(kLocalVariablesSetting) != 0; }

std::string LocalVariablePrefix(int slot) {
  if (!LocalVariableMode()) return std::string();
  // The handle is shown as the 32-bit long it was formatted from.
  const int32_t window = static_cast<int32_t>(CurrentSubstitutionContext().MainWindowHandle());
  return std::to_string(window) + "_" + std::to_string(slot + 1) + "\\";
}

std::string VariableKey(int slot) {
  std::string prefix = LocalVariablePrefix(slot);
  std::string key(kUserVariablesKey);
  if (!prefix.empty()) {
    prefix.pop_back();  // the trailing backslash
    key += '\\';
    key += prefix;
  }
  return key;
}

std::string VariableKeyFor(std::string_view name, int slot) {
  return IsLoopVariable(name) ? std::string(kUserVariablesKey) : VariableKey(slot);
}

std::string VariableTextOf(const StoredValue& value) {
  switch (value.kind) {
    case ValueKind::Dword:
      return std::to_string(static_cast<int32_t>(value.number));
    case ValueKind::MultiString: {
      std::string text;
      for (char c : value.data) {
        if (c == '\0')
          text += "\r\n";
        else
          text += c;
      }
      return text;
    }
    default:
      return std::string(UpToNul(value.data));
  }
}

bool ReadStoredVariable(std::string_view key, std::string_view name, std::string* text) {
  text->clear();
  StoredValue value;
  if (name.empty() || !Settings().Get(kUser, key, name, &value)) return false;
  *text = VariableTextOf(value);
  return true;
}

std::string VariableFilePath(std::string_view name) {
  std::string folder = CurrentSubstitutionContext().ProgramFolder();
  // Windows paths take a backslash; a folder written with slashes keeps them.
  const char separator = folder.find('\\') == std::string::npos && folder.find('/') != std::string::npos ? '/' : '\\';
  std::string path = folder;
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += separator;
  path += name;
  path += kVariableFileExtension;
  std::string cleaned;
  cleaned.reserve(path.size());
  for (char c : path)
    if (c != '%') cleaned += c;
  return cleaned;
}

bool ResolveVariableFile(std::string* value) {
  if (value->size() < 2 || value->back() != '*') return false;
  const std::string path = value->substr(0, value->size() - 1);
  // Only a plain file: a device or pipe named by a stored text could be read forever.
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  std::string content;
  if (ReadWholeFile(path, &content) != ReadResult::Ok) return false;
  const std::size_t nul = content.find('\0');
  if (nul != std::string::npos) content.resize(nul);
  *value = std::move(content);
  return true;
}

VariableWrite WriteVariable(std::string_view key, std::string_view name, std::string_view value) {
  value = UpToNul(value);
  StoredValue stored;
  stored.kind = value.find('%') != std::string_view::npos ? ValueKind::ExpandString : ValueKind::String;
  stored.data = std::string(value);
  if (Settings().Set(kUser, key, name, stored)) return VariableWrite::Stored;

  const std::string path = VariableFilePath(name);
  RemoveFileQuietly(path);
  if (!CreateFolders(ParentFolder(path), nullptr)) return VariableWrite::Failed;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return VariableWrite::Failed;
  bool written = std::fwrite(value.data(), 1, value.size(), f) == value.size();
  written = std::fclose(f) == 0 && written;
  if (!written) {
    RemoveFileQuietly(path);
    return VariableWrite::Failed;
  }
  StoredValue reference;
  reference.kind = ValueKind::String;
  reference.data = path + "*";
  if (!Settings().Set(kUser, key, name, reference)) {
    RemoveFileQuietly(path);
    return VariableWrite::Failed;
  }
  return VariableWrite::StoredInFile;
}

bool DeleteVariable(std::string_view key, std::string_view name) {
  return !name.empty() && Settings().DeleteValue(kUser, key, name);
}

void DeleteVariableFiles() {
  for (const std::string& path : FilesEndingWith(CurrentSubstitutionContext().ProgramFolder(), kVariableFileExtension))
    RemoveFileQuietly(path);
}

void ResetUserVariables() {
  Settings().DeleteKey(kUser, kUserVariablesKey);
  DeleteVariableFiles();
}

bool ResetUserVariablesAtRunStart(bool only_instance, bool variables_from_command_line) {
  if (ReadSetting(kResetUserVariablesSetting) == 0 || !only_instance || variables_from_command_line) return false;
  ResetUserVariables();
  return true;
}

}  // namespace zelo
