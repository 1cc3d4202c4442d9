#include "ui/dialog_template_win.h"

namespace zelo {

namespace {
// The dialog header's fixed part: style, extended style, item count, x, y, cx, cy.
constexpr std::size_t kCountWord = 4;
}  // namespace

DialogTemplate::DialogTemplate(std::wstring_view title, short width, short height, DWORD style) {
  style |= DS_SETFONT;
  Word(LOWORD(style));
  Word(HIWORD(style));
  Word(0);  // extended style
  Word(0);
  Word(0);  // item count, counted by each item
  Word(0);  // x
  Word(0);  // y
  Word(static_cast<WORD>(width));
  Word(static_cast<WORD>(height));
  Word(0);  // no menu
  Word(0);  // the standard dialog class
  Text(title);
  Word(8);  // points
  Text(L"MS Shell Dlg");
}

void DialogTemplate::Text(std::wstring_view s) {
  for (wchar_t c : s) Word(static_cast<WORD>(c));
  Word(0);
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2) Word(0);
}

void DialogTemplate::Item(DWORD style, DWORD ex_style, short x, short y, short w, short h, int id) {
  AlignToDword();  // items start on a DWORD boundary
  Dword(style | WS_CHILD | WS_VISIBLE);
  Dword(ex_style);
  for (short v : {x, y, w, h}) Word(static_cast<WORD>(v));
  Word(static_cast<WORD>(id));
  ++words_[kCountWord];
}

void DialogTemplate::Add(WORD system_class, const std::wstring& text, int id, DWORD style, short x, short y, short w,
                         short h) {
  Item(style, 0, x, y, w, h, id);
  Word(0xFFFF);
  Word(system_class);
  Text(text);
  Word(0);  // no creation data
}

void DialogTemplate::Add(WORD id, const wchar_t* cls, std::wstring_view text, DWORD style, short x, short y, short w,
                         short h, DWORD ex_style) {
  Item(style, ex_style, x, y, w, h, id);
  Text(cls);
  Text(text);
  Word(0);  // no creation data
}

INT_PTR DialogTemplate::Run(HWND owner, DLGPROC proc, LPARAM param) const {
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), get(), owner, proc, param);
}

void DialogTemplate::Label(const std::wstring& text, short x, short y, short w, short h, int id) {
  Add(kStaticClass, text, id, SS_LEFT, x, y, w, h);
}

void DialogTemplate::Check(const std::wstring& text, int id, short x, short y, short w) {
  Add(kButtonClass, text, id, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, w, 10);
}

void DialogTemplate::Radio(const std::wstring& text, int id, short x, short y, short w, bool first) {
  Add(kButtonClass, text, id, BS_AUTORADIOBUTTON | (first ? WS_GROUP | WS_TABSTOP : 0), x, y, w, 10);
}

void DialogTemplate::Edit(int id, short x, short y, short w, DWORD extra_style) {
  Add(kEditClass, L"", id, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | extra_style, x, y, w, 12);
}

void DialogTemplate::DropList(int id, short x, short y, short w, short list_height) {
  Add(kComboBoxClass, L"", id, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x, y, w, list_height);
}

void DialogTemplate::Button(const std::wstring& text, int id, short x, short y, short w, short h) {
  Add(kButtonClass, text, id, BS_PUSHBUTTON | WS_TABSTOP, x, y, w, h);
}

void DialogTemplate::Group(const std::wstring& text, short x, short y, short w, short h) {
  Add(kButtonClass, text, -1, BS_GROUPBOX, x, y, w, h);
}

}  // namespace zelo
