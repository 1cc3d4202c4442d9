#include "actions/menu/menu_path.h"

#include "actions/keyboard/key_tables.h"
#include "base/text.h"

namespace zelo {

namespace {

constexpr int kPathLevels = 8;
constexpr uint8_t kAltKey = 0x12;

std::string WithoutAmpersand(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '&') out += c;
  return out;
}

bool StartsNoCase(std::string_view text, std::string_view prefix) {
  return prefix.size() <= text.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// An item's text as compared: no accelerator, no "...".
std::string_view ShownPart(std::string_view text) {
  text = text.substr(0, text.find('\t'));
  return text.substr(0, text.find("..."));
}

struct Search {
  std::string_view wanted;
  std::string wanted_plain;
  uint32_t command = 0;
  bool found = false;
};

void Visit(const MenuNode& menu, const std::string& path, int depth, Search* s) {
  for (const MenuNode& item : menu.items) {
    if (s->found) return;
    const std::string_view text = ShownPart(item.text);
    const std::string item_path = depth < kPathLevels ? (path.empty() ? std::string(text) : path + ";" + std::string(text)) : path;
    if (!item.submenu) {
      const std::string plain_text = WithoutAmpersand(text), plain_path = WithoutAmpersand(item_path);
      if (StartsNoCase(text, s->wanted) || StartsNoCase(item_path, s->wanted) ||
          StartsNoCase(plain_text, s->wanted_plain) || StartsNoCase(plain_path, s->wanted_plain)) {
        s->command = item.command;
        s->found = true;
        return;
      }
    } else if (depth + 1 < kMenuDepthRead) {
      Visit(item, item_path, depth + 1, s);
    }
  }
}

}  // namespace

std::string MenuPathWanted(std::string_view text) {
  text = text.substr(0, text.find('\t'));
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ',') {
      out += ';';
      if (i + 1 < text.size() && text[i + 1] == ' ') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool FindMenuCommand(const MenuNode& bar, std::string_view wanted, uint32_t* command) {
  if (wanted.empty()) return false;
  Search s;
  s.wanted = wanted;
  s.wanted_plain = WithoutAmpersand(wanted);
  Visit(bar, std::string(), 0, &s);
  if (s.found) *command = s.command;
  return s.found;
}

bool MenuKeySequence(std::string_view wanted, KeySequence* keys) {
  keys->events.clear();
  bool first = true, last_gave = false;
  std::size_t start = 0;
  while (start <= wanted.size()) {
    const std::size_t end = wanted.find(';', start);
    std::string_view part = wanted.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    start = end == std::string_view::npos ? wanted.size() + 1 : end + 1;
    while (!part.empty() && (part.front() == ' ' || part.front() == ';')) part.remove_prefix(1);
    const std::size_t amp = part.find('&');
    char c = 0;
    if (amp != std::string_view::npos && amp + 1 < part.size()) c = part[amp + 1];
    else if (!part.empty()) c = part.front();
    last_gave = c != 0;
    if (!last_gave) continue;
    // A letter's or digit's virtual key is its upper-case character, typed
    // without Shift (Alt+F, not Alt+Shift+F); other characters by their key.
    const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    const bool plain = (upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9');
    const CharacterKey key =
        plain ? CharacterKey{static_cast<uint8_t>(upper), false} : CharacterKeyFor(static_cast<unsigned char>(c));
    if (first) KeyStrokeEvents(kAltKey, false, 1, &keys->events);
    KeyStrokeEvents(key.vk, key.shifted, 1, &keys->events);
    KeyStrokeEvents(key.vk, key.shifted, 2, &keys->events);
    if (first) KeyStrokeEvents(kAltKey, false, 2, &keys->events);
    first = false;
    ++keys->keystrokes;
  }
  return last_gave;
}

std::vector<PopupLine> PopupMenuLines(std::string_view text) {
  std::vector<PopupLine> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    PopupLine item;
    item.separator = line.empty() || line.front() == '-' || line.front() == '_';
    if (!item.separator) item.text = std::string(line);
    lines.push_back(std::move(item));
  }
  return lines;
}

SystemMenuCommand SystemMenuWord(std::string_view text) {
  const std::string plain = WithoutAmpersand(text.substr(0, 255));
  if (ContainsNoCase(plain, "max")) return SystemMenuCommand::Maximize;
  if (ContainsNoCase(plain, "min")) return SystemMenuCommand::Minimize;
  if (ContainsNoCase(plain, "restore")) return SystemMenuCommand::Restore;
  if (ContainsNoCase(plain, "move")) return SystemMenuCommand::Move;
  if (ContainsNoCase(plain, "close")) return SystemMenuCommand::Close;
  if (ContainsNoCase(plain, "size")) return SystemMenuCommand::Size;
  return SystemMenuCommand::None;
}

}  // namespace zelo
