// A dialog template built in memory: the program has no resource script, so
// its boxes and option pages are laid out in code (dialog units, the shell
// dialog font).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace zelo {

class DialogTemplate {
 public:
  // The style of a modal box of its own (an option page is a child and
  // needs none of it).
  static constexpr DWORD kModalBox = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

  DialogTemplate(std::wstring_view title, short width, short height, DWORD style);

  // A control of a system class given by its atom (kButtonClass...).
  void Add(WORD system_class, const std::wstring& text, int id, DWORD style, short x, short y, short w, short h);
  // A control of a class given by name ("BUTTON", "EDIT", "STATIC"...).
  void Add(WORD id, const wchar_t* cls, std::wstring_view text, DWORD style, short x, short y, short w, short h,
           DWORD ex_style = 0);
  void Label(const std::wstring& text, short x, short y, short w, short h = 8, int id = -1);
  void Check(const std::wstring& text, int id, short x, short y, short w);
  // The first radio button of a group starts it (WS_GROUP).
  void Radio(const std::wstring& text, int id, short x, short y, short w, bool first);
  void Edit(int id, short x, short y, short w, DWORD extra_style = 0);
  void DropList(int id, short x, short y, short w, short list_height = 120);
  void Button(const std::wstring& text, int id, short x, short y, short w, short h = 14);
  void Group(const std::wstring& text, short x, short y, short w, short h);

  // The template, valid while this object lives and nothing more is added.
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }
  // DialogBoxIndirectParamW with the template; its result.
  INT_PTR Run(HWND owner, DLGPROC proc, LPARAM param) const;

 private:
  void Word(WORD w) { words_.push_back(w); }
  void Dword(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void Text(std::wstring_view s);
  void AlignToDword();
  void Item(DWORD style, DWORD ex_style, short x, short y, short w, short h, int id);

  std::vector<WORD> words_;
};

// The system classes of DLGITEMTEMPLATE by their atoms.
inline constexpr WORD kButtonClass = 0x0080;
inline constexpr WORD kEditClass = 0x0081;
inline constexpr WORD kStaticClass = 0x0082;
inline constexpr WORD kListBoxClass = 0x0083;
inline constexpr WORD kComboBoxClass = 0x0085;

}  // namespace zelo
