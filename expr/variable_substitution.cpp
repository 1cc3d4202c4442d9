// The variable stages of ExpandText: the loop variables, then the user
// variables with their longest-prefix rule.
#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "expr/expansion_stages.h"
#include "expr/text_replace.h"
#include "expr/variable_name_index.h"
#include "expr/variable_store.h"
#include "settings/settings.h"

namespace zelo {

namespace {

constexpr std::size_t kMaxLoopVariableText = 259;

bool EndsName(char c) { return c == ' ' || c == '%' || c == '\r' || c == '\n'; }

// The text still to scan, as a stack of pieces: the field at the bottom and
// above it the rest of each value being scanned again. A reference may run
// from the end of a value into the text after it, so names are read across
// pieces. The stack holds at most kMaxReferenceDepth + 1 pieces, as each
// piece lies one value deeper than the one it was found in.
struct Piece {
  const char* data;
  std::size_t size;
  std::size_t pos;
  int depth;  // how many values deep this text lies
};

// The name after the "%" at the top piece's position: up to kMaxReferenceName
// characters, ending before a blank, "%", CR, LF or the end of the text.
std::size_t ReadName(const std::vector<Piece>& pieces, char* name) {
  std::size_t n = 0;
  for (std::size_t k = pieces.size(); k-- > 0;) {
    const Piece& piece = pieces[k];
    for (std::size_t q = k + 1 == pieces.size() ? piece.pos + 1 : piece.pos; q < piece.size; ++q) {
      if (EndsName(piece.data[q])) return n;
      name[n++] = piece.data[q];
      if (n == kMaxReferenceName) return n;
    }
  }
  return n;
}

void Consume(std::vector<Piece>& pieces, std::size_t count) {
  while (count > 0 && !pieces.empty()) {
    Piece& top = pieces.back();
    const std::size_t take = count < top.size - top.pos ? count : top.size - top.pos;
    top.pos += take;
    count -= take;
    if (top.pos == top.size) pieces.pop_back();
  }
}

VariableNameIndex& NameIndex() {
  static VariableNameIndex index;
  return index;
}

}  // namespace

void SubstituteLoopVariables(std::string& text) {
  for (const char* name : kLoopVariables) {
    const std::string token = std::string("%") + name;
    if (FindNoCase(text, token) == std::string_view::npos) continue;
    std::string value;
    // An empty value counts: the reference then disappears.
    if (!ReadStoredVariable(kUserVariablesKey, name, &value)) continue;
    if (value.size() > kMaxLoopVariableText) value.resize(kMaxLoopVariableText);
    ReplaceAllNoCase(text, token, value);
  }
}

void SubstituteUserVariables(std::string& text, std::string_view key) {
  if (text.find('%') == std::string::npos) return;
  VariableNameIndex& index = NameIndex();
  bool index_ready = false;
  // Values read during this expansion; a variable used twice is read once.
  std::unordered_map<std::size_t, std::string> values;
  std::unordered_set<std::size_t> unreadable;  // listed, but gone when read
  std::size_t nested_growth = 0;

  std::string out;
  out.reserve(text.size() + 256);
  std::vector<Piece> pieces;
  pieces.push_back({text.data(), text.size(), 0, 0});
  char name[kMaxReferenceName];
  while (!pieces.empty()) {
    Piece& top = pieces.back();
    if (top.pos == top.size) {
      pieces.pop_back();
      continue;
    }
    const char* start = top.data + top.pos;
    const std::size_t left = top.size - top.pos;
    const char* percent = static_cast<const char*>(std::memchr(start, '%', left));
    if (!percent) {
      out.append(start, left);
      top.pos = top.size;
      continue;
    }
    out.append(start, static_cast<std::size_t>(percent - start));
    top.pos += static_cast<std::size_t>(percent - start);

    const int depth = top.depth;
    const std::size_t name_length = ReadName(pieces, name);
    const std::string* value = nullptr;
    std::size_t matched = 0;
    if (name_length > 0 && depth < kMaxReferenceDepth && (depth == 0 || nested_growth < kMaxNestedGrowth)) {
      if (!index_ready) {
        index.Refresh(Settings(), key);
        index_ready = true;
      }
      matched = index.LongestPrefix(std::string_view(name, name_length), kMaxReferenceName, [&](std::size_t id) {
        auto it = values.find(id);
        if (it == values.end()) {
          if (unreadable.count(id)) return false;
          std::string v;
          if (!ReadStoredVariable(key, index.name(id), &v)) {
            unreadable.insert(id);
            return false;
          }
          ResolveVariableFile(&v);
          it = values.emplace(id, std::move(v)).first;
        }
        value = &it->second;
        return true;
      });
    }
    if (matched == 0) {
      // Not a reference: the "%" stays and the scan goes on after it.
      out.push_back('%');
      pieces.back().pos += 1;
      continue;
    }
    Consume(pieces, 1 + matched);
    if (depth > 0) nested_growth += value->size();
    // The value's first character is not scanned again; the rest is. An
    // empty value leaves the scan at the text after the reference (a "%"
    // there still starts a reference).
    if (!value->empty()) {
      out.push_back((*value)[0]);
      if (value->size() > 1) pieces.push_back({value->data(), value->size(), 1, depth + 1});
    }
  }
  text.swap(out);
}

}  // namespace zelo
