// A dialog template built in memory: the option pages are laid out in code
// (dialog units, the shell dialog font) instead of in a resource script.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zelo {

class DialogTemplate {
 public:
  DialogTemplate(const std::wstring& title, short width, short height, DWORD style);

  void Add(WORD system_class, const std::wstring& text, int id, DWORD style, short x, short y, short w, short h);
  void Label(const std::wstring& text, short x, short y, short w, short h = 8, int id = -1);
  void Check(const std::wstring& text, int id, short x, short y, short w);
  // The first radio button of a group starts it (WS_GROUP).
  void Radio(const std::wstring& text, int id, short x, short y, short w, bool first);
  void Edit(int id, short x, short y, short w, DWORD extra_style = 0);
  void DropList(int id, short x, short y, short w, short list_height = 120);
  void Button(const std::wstring& text, int id, short x, short y, short w, short h = 14);
  void Group(const std::wstring& text, short x, short y, short w, short h);

  // The template, valid while this object lives and nothing more is added.
  const DLGTEMPLATE* get();

 private:
  void Word(WORD w) { words_.push_back(w); }
  void Text(const std::wstring& s);
  void AlignToDword();

  std::vector<WORD> words_;
  WORD count_ = 0;
};

// The system classes of DLGITEMTEMPLATE by their atoms.
inline constexpr WORD kButtonClass = 0x0080;
inline constexpr WORD kEditClass = 0x0081;
inline constexpr WORD kStaticClass = 0x0082;
inline constexpr WORD kListBoxClass = 0x0083;
inline constexpr WORD kComboBoxClass = 0x0085;

}  // namespace zelo
