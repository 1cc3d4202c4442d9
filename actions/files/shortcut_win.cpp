// Shell shortcuts (.lnk files): their target path through the shell-link object.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "actions/shared/file_routines.h"
#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

// The class and interfaces by their numbers, so that no GUID library is needed.
constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellLinkInterface = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kPersistFileInterface = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace

bool ResolveShortcut(std::string_view path, std::string* target) {
  target->clear();
  if (path.empty()) return false;
  const std::wstring wide = AnsiToWide(path);
  SHFILEINFOW info = {};
  if (!SHGetFileInfoW(wide.c_str(), 0, &info, sizeof info, SHGFI_ATTRIBUTES) || !(info.dwAttributes & SFGAO_LINK)) {
    target->assign(path);
    return true;
  }
  const ComInit com;  // the run thread may not have COM yet
  ComRef<IShellLinkW> link;
  if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkInterface, link.receive())))
    return false;
  ComRef<IPersistFile> file;
  if (FAILED(link->QueryInterface(kPersistFileInterface, file.receive())) ||
      FAILED(file->Load(wide.c_str(), STGM_READ)))
    return false;
  if (FAILED(link->Resolve(GetDesktopWindow(), SLR_UPDATE))) return false;
  wchar_t raw[MAX_PATH] = {};
  WIN32_FIND_DATAW found;
  if (FAILED(link->GetPath(raw, MAX_PATH, &found, SLGP_RAWPATH))) return false;
  std::wstring result = raw;
  if (result.find(L'}') != std::wstring::npos) {
    // A shell namespace item: its path comes from the link's item list.
    if (FAILED(link->Resolve(GetDesktopWindow(), SLR_NO_UI | SLR_NOUPDATE))) return false;
    CoTaskMemory<ITEMIDLIST> items;
    if (FAILED(link->GetIDList(items.receive())) || !items) return false;
    wchar_t from_items[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(items.get(), from_items)) return false;
    result = from_items;
  }
  if (result.empty()) return false;
  *target = WideToAnsi(result);
  return true;
}

}  // namespace zelo
