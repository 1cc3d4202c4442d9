// Registered programs from the registry and the shell.
#include <windows.h>

#include <shellapi.h>

#include "actions/shared/association_command.h"
#include "actions/shared/shell_programs_win.h"
#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

constexpr DWORD kMaxValueChars = 2048;

class WinAssociationFacts : public AssociationFacts {
 public:
  bool ReadDefault(RegistryRoot root, const std::string& key_path, std::string* value) override {
    const RegistryKey key = OpenRegistryKey(root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CLASSES_ROOT,
                                            AnsiToWide(key_path).c_str(), KEY_QUERY_VALUE);
    if (!key) return false;
    wchar_t buf[kMaxValueChars + 1];
    DWORD size = kMaxValueChars * sizeof(wchar_t), type = 0;
    if (RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
      return false;
    buf[size / sizeof(wchar_t)] = L'\0';
    *value = WideToAnsi(buf);
    return true;
  }
  bool ExecutableFor(const std::string& file, const std::string& folder, std::string* program) override {
    return ShellExecutableFor(file, folder, program);
  }
  std::string ExpandEnvironment(const std::string& text) override {
    const std::wstring wide = AnsiToWide(text);
    const DWORD n = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
    if (n == 0) return text;
    std::wstring out(n, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(wide.c_str(), out.data(), n);
    if (written == 0 || written > n) return text;
    out.resize(written - 1);
    return WideToAnsi(out);
  }
};

}  // namespace

bool ShellExecutableFor(const std::string& file, const std::string& folder, std::string* program) {
  wchar_t found[MAX_PATH] = {};
  const std::wstring wide_folder = AnsiToWide(folder);
  const auto result = reinterpret_cast<INT_PTR>(
      FindExecutableW(AnsiToWide(file).c_str(), folder.empty() ? nullptr : wide_folder.c_str(), found));
  if (result <= 32 || found[0] == L'\0') return false;
  *program = WideToAnsi(found);
  return true;
}

AssociationFacts& SystemAssociationFacts() {
  static WinAssociationFacts facts;
  return facts;
}

}  // namespace zelo
