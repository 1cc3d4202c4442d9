#include "actions/shared/folder_search.h"

#include "base/text.h"

namespace zelo {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string FilesLoopPattern(std::string_view text, bool names_folder) {
  std::string pattern(text);
  if (!pattern.empty() && IsSeparator(pattern.back())) return pattern + "*.*";
  if (names_folder || pattern.find('.') == std::string::npos) {
    // A folder's files are inside it; "C:\data" must not become "C:\data*.*".
    if (!pattern.empty()) pattern += '\\';
    return pattern + "*.*";
  }
  return pattern;
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*" || pattern == "*") return true;
  // Iterative matching with one backtrack point: linear in practice, and no
  // recursion for long patterns.
  std::size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || AsciiLower(pattern[p]) == AsciiLower(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  // "name.*" also matches a name without any extension, as on Windows.
  if (p + 2 == pattern.size() && pattern[p] == '.' && pattern[p + 1] == '*') return true;
  return p == pattern.size();
}

}  // namespace zelo
