// Reading one element of a step block by plain case-insensitive text search,
// the way every script file, clipboard text and compiled program is read.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace zelo {

// Longest attribute value kept, as for a 260-byte field.
inline constexpr std::size_t kMaxAttributeValue = 259;
// ReadTag's max_length that measures the content instead of copying it.
inline constexpr long kMeasureContent = -1;

struct TagAttribute {
  std::string_view name;
  std::string* value;  // decoded value; empty when the attribute is absent
};

// Where an element lies in a step block.
struct TagSpan {
  bool found = false;
  std::string_view opening;  // from "<name" up to, not including, the tag's ">"
  std::string_view content;  // raw, up to the closing tag or the end of the block
};

// The positions of every "<" of a step block, so that the twenty-odd
// elements of a step are found without scanning the block twenty-odd times.
class TagIndex {
 public:
  explicit TagIndex(std::string_view block);
  // As FindTag below.
  TagSpan Find(std::string_view name) const;

 private:
  std::size_t FindOpening(std::string_view name) const;
  std::size_t FindClosing(std::string_view name, std::size_t from) const;

  std::string_view block_;
  std::vector<std::size_t> angles_;
};

// The first "<name" of the block (any case). The opening tag ends at the first
// ">" outside a quoted value; the content runs to the first "</name>" of the
// block, or, when that lies before the content (a raw closing tag in an
// earlier element), to the next one after the content; without one it runs
// to the end of the block.
TagSpan FindTag(std::string_view block, std::string_view name);

// The raw value of an attribute in an opening tag: the name counts only where
// it stands as a name (outside quoted values, after a blank and followed by
// "=\""), so a value such as "catalog" never passes for the attribute "log".
// The value is cut at its closing quote and at 259 characters.
bool FindAttribute(std::string_view opening, std::string_view name, std::string_view* raw);

// Copies the decoded content of the element (at most max_length raw
// characters) to *content and each requested attribute's decoded value to its
// destination, and returns the integer value of the content (TextToInt). With
// max_length kMeasureContent nothing is copied and the result is the raw
// content's length plus 1. An absent element gives 0 and empty destinations.
int32_t ReadTag(std::string_view block, std::string_view name, std::string* content, long max_length,
                std::initializer_list<TagAttribute> attributes = {});

}  // namespace zelo
