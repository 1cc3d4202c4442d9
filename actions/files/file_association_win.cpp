#include <windows.h>
#include <shlobj.h>

#include <cstdio>

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

std::string Format(const char* format, const std::string& a) {
  char buf[1200];
  std::snprintf(buf, sizeof buf, format, a.c_str());
  return buf;
}

}  // namespace

bool RegisterFileAssociation(const std::string& program, const std::string& extension,
                             const std::string& description, unsigned verbs, std::string* error) {
  const std::string ext = !extension.empty() && extension[0] == '.' ? extension : "." + extension;
  DeleteObsoleteKeys();
  const std::string document = Format("%s File", description);
  char icon[1200];
  std::snprintf(icon, sizeof icon, "\"%s\",%d", program.c_str(), 0);
  bool ok = SetClassValue(ext, "", document, error) && SetClassValue(ext + "\\ShellNew", "NULLFile", "", error) &&
            SetClassValue(document, "", document, error) &&
            SetClassValue(document + "\\DefaultIcon", "", icon, error);
  struct Verb {
    unsigned bit;
    const char* key;
    const char* label;
    const char* command;
  };
  const Verb kVerbs[] = {
      {kVerbOpen, "Open", "&Open", "\"%s\" \"%%1\""},
      {kVerbEdit, "Edit", "&Edit", "\"%s\" /e \"%%1\""},
      {kVerbRun, "Run", "&Run", "\"%s\" /r \"%%1\""},
      {kVerbRunInZelomat, "Run in Zelomat", "Run in &Zelomat", "\"%s\" /v \"%%1\""},
  };
  for (const Verb& v : kVerbs) {
    if (!ok || !(verbs & v.bit)) continue;
    const std::string key = document + "\\shell\\" + v.key;
    ok = SetClassValue(key, "", v.label, error) && SetClassValue(key + "\\command", "", Format(v.command, program), error);
  }
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
  return ok;
}

}  // namespace zelo
