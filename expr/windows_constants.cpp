#include "expr/windows_constants.h"

#include <cstring>
#include <string>

#include "expr/expansion_stages.h"
#include "expr/text_replace.h"

namespace zelo {

const std::vector<KeyNameToken>& KeyNameTokens() {
  static const std::vector<KeyNameToken> table = {{"{ENTER}", "%n"}, {"{TAB}", "%t"}, {"{SPACE}", " "}};
  return table;
}

const std::vector<WindowsConstant>& WindowsConstants() {
  static const std::vector<WindowsConstant> table = {
      {"MB_OKCANCEL", 1},
      {"MB_OK", 0},
      {"MB_ABORTRETRYIGNORE", 2},
      {"MB_YESNOCANCEL", 3},
      {"MB_YESNO", 4},
      {"MB_RETRYCANCEL", 5},
      {"MB_ICONHAND", 16},
      {"MB_ICONSTOP", 16},
      {"MB_ICONERROR", 16},
      {"MB_ICONQUESTION", 32},
      {"MB_ICONEXCLAMATION", 48},
      {"MB_ICONWARNING", 48},
      {"MB_ICONASTERISK", 64},
      {"MB_ICONINFORMATION", 64},
      {"MB_USERICON", 128},
      {"MB_DEFBUTTON1", 0},
      {"MB_DEFBUTTON2", 256},
      {"MB_DEFBUTTON3", 512},
      {"MB_DEFBUTTON4", 768},
      {"MB_SYSTEMMODAL", 4096},
      {"MB_TASKMODAL", 8192},
      {"MB_HELP", 16384},
      {"MB_NOFOCUS", 32768},
      {"MB_SETFOREGROUND", 65536},
      {"MB_DEFAULT_DESKTOP_ONLY", 131072},
      {"MB_TOPMOST", 262144},
      {"MB_RIGHT", 524288},
      {"MB_RTLREADING", 1048576},
      {"IDOK", 1},
      {"IDCANCEL", 2},
      {"IDABORT", 3},
      {"IDRETRY", 4},
      {"IDIGNORE", 5},
      {"IDYES", 6},
      {"IDNO", 7},
      {"IDCLOSE", 8},
      {"IDHELP", 9},
      {"WS_OVERLAPPEDWINDOW", 13565952},
      {"WS_OVERLAPPED", 0},
      {"WS_POPUPWINDOW", 2156396544u},
      {"WS_POPUP", 2147483648u},
      {"WS_CHILD", 1073741824},
      {"WS_MINIMIZE", 536870912},
      {"WS_VISIBLE", 268435456},
      {"WS_DISABLED", 134217728},
      {"WS_CLIPSIBLINGS", 67108864},
      {"WS_CLIPCHILDREN", 33554432},
      {"WS_MAXIMIZE", 16777216},
      {"WS_CAPTION", 12582912},
      {"WS_BORDER", 8388608},
      {"WS_DLGFRAME", 4194304},
      {"WS_VSCROLL", 2097152},
      {"WS_HSCROLL", 1048576},
      {"WS_SYSMENU", 524288},
      {"WS_THICKFRAME", 262144},
      {"WS_EX_TOPMOST", 8},
      {"WS_EX_PALETTEWINDOW", 392},
      {"SM_CXSCREEN", 0},
      {"SM_CYSCREEN", 1},
      {"SM_CXVSCROLL", 2},
      {"SM_CYHSCROLL", 3},
      {"SM_CYCAPTION", 4},
      {"SM_CXBORDER", 5},
      {"SM_CYBORDER", 6},
      {"SM_CXDLGFRAME", 7},
      {"SM_CYDLGFRAME", 8},
      {"SM_CYMENU", 15},
      {"SM_CXFULLSCREEN", 16},
      {"SM_CYFULLSCREEN", 17},
      {"SM_MOUSEPRESENT", 19},
      {"SM_CYVSCROLL", 20},
      {"SM_CXHSCROLL", 21},
      {"SM_DEBUG", 22},
      {"SM_CXSIZE", 30},
      {"SM_CYSIZE", 31},
      {"SM_CXFRAME", 32},
      {"SM_CYFRAME", 33},
      {"SM_CXDOUBLECLK", 36},
      {"SM_CYDOUBLECLK", 37},
      {"SM_CXICONSPACING", 38},
      {"SM_CYICONSPACING", 39},
      {"GENERIC_READ", 2147483648u},
      {"GENERIC_WRITE", 1073741824},
      {"FILE_SHARE_READ", 1},
      {"FILE_SHARE_WRITE", 2},
      {"CREATE_NEW", 1},
      {"CREATE_ALWAYS", 2},
      {"OPEN_EXISTING", 3},
      {"OPEN_ALWAYS", 4},
      {"TRUNCATE_EXISTING", 5},
      {"FILE_ATTRIBUTE_ARCHIVE", 32},
      {"FILE_ATTRIBUTE_HIDDEN", 2},
      {"FILE_ATTRIBUTE_NORMAL", 128},
      {"FILE_ATTRIBUTE_READONLY", 1},
      {"FILE_ATTRIBUTE_SYSTEM", 4},
      {"FILE_ATTRIBUTE_TEMPORARY", 256},
      {"FILE_ATTRIBUTE_DIRECTORY", 16},
      {"FILE_BEGIN", 0},
      {"FILE_CURRENT", 1},
      {"FILE_END", 2},
  };
  return table;
}

void ReplaceKeyNamesAndConstants(std::string& text) {
  // Every name holds "{", "_" or begins "ID": a field with none of them
  // (most fields) is passed over at the cost of three searches.
  const bool brace = text.find('{') != std::string::npos;
  const bool underscore = text.find('_') != std::string::npos;
  const bool id = FindNoCase(text, "id") != std::string_view::npos;
  if (!brace && !underscore && !id) return;
  if (brace)
    for (const KeyNameToken& key : KeyNameTokens()) ReplaceAllNoCase(text, key.name, key.text);
  for (const WindowsConstant& constant : WindowsConstants()) {
    // Replacements only bring digits, so a missing "_" or "ID" stays missing.
    if (std::strchr(constant.name, '_') ? !underscore : !id) continue;
    ReplaceAllNoCase(text, constant.name, std::to_string(constant.value));
  }
}

}  // namespace zelo
