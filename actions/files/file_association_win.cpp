#include <windows.h>
#include <shlobj.h>

#include "actions/files/file_association.h"
#include "base/ansi_text_win.h"
#include "base/system_error_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

// Writes the value `name` (the key's default value when empty) of a key under
// HKEY_CLASSES_ROOT, creating the key.
bool SetClassValue(const std::string& key, const std::string& name, const std::string& value, std::string* error) {
  LONG rc = ERROR_SUCCESS;
  const RegistryKey k = CreateRegistryKey(HKEY_CLASSES_ROOT, AnsiToWide(key).c_str(), KEY_SET_VALUE, &rc);
  if (k) {
    const std::wstring wide = AnsiToWide(value);
    rc = RegSetValueExW(k.get(), name.empty() ? nullptr : AnsiToWide(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(wide.c_str()),
                        static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
  }
  if (rc != ERROR_SUCCESS) {
    if (error) *error = "HKEY_CLASSES_ROOT\\" + key + ": " + SystemErrorText(static_cast<unsigned long>(rc));
    return false;
  }
  return true;
}

// Keys that earlier versions of the program left behind.
void DeleteObsoleteKeys() {
  const char* const keys[] = {"SOFTWARE\\Classes\\Zelomat.Document\\shell\\Run Hidden\\command",
                              "SOFTWARE\\Classes\\Zelomat.Document\\shell\\Run Hidden"};
  for (const char* key : keys) {
    const std::string k = key;
    for (const std::string& form : {k, "\\" + k, k + "\\"}) RegDeleteKeyW(HKEY_LOCAL_MACHINE, AnsiToWide(form).c_str());
  }
}

}  // namespace

bool RegisterFileAssociation(const FileAssociation& association, std::string* error) {
  DeleteObsoleteKeys();
  bool ok = true;
  for (const ClassValue& v : AssociationValues(association)) {
    ok = SetClassValue(v.key, v.name, v.value, error);
    if (!ok) break;
  }
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
  return ok;
}

}  // namespace zelo
