// HeapText: the growable text block behind a step's `text` and `comment`.
// The block size is observable (escaping on save only happens when the escaped
// text still fits the block), so it is tracked alongside the content.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelo {

class HeapText {
 public:
  static constexpr std::size_t kMinBlock = 260;  // a new step's zero-filled block

  bool allocated() const { return block_ > 0; }
  std::size_t block() const { return block_; }  // bytes, terminator included; 0 = no block
  const std::string& str() const { return text_; }
  std::string_view view() const { return text_; }
  const char* c_str() const { return text_.c_str(); }
  std::size_t size() const { return text_.size(); }
  bool empty() const { return text_.empty(); }

  // A fresh, empty block of the given size (at least one byte).
  void Allocate(std::size_t block_bytes = kMinBlock) {
    text_.clear();
    block_ = block_bytes ? block_bytes : 1;
  }
  void Free() {
    text_.clear();
    text_.shrink_to_fit();
    block_ = 0;
  }
  // Sets the content; a block that is missing or too small is replaced by one
  // that fits (at least kMinBlock). Stops at an embedded NUL like a C copy.
  void Assign(std::string_view t) {
    std::size_t nul = t.find('\0');
    if (nul != std::string_view::npos) t = t.substr(0, nul);
    if (t.size() + 1 > block_) block_ = t.size() + 1 > kMinBlock ? t.size() + 1 : kMinBlock;
    text_.assign(t.data(), t.size());
  }
  // Sets the content in a block of exactly block_bytes (the loader's content
  // length + 1024); the content is cut to fit when the block is smaller.
  void AssignInBlock(std::string_view t, std::size_t block_bytes) {
    std::size_t nul = t.find('\0');
    if (nul != std::string_view::npos) t = t.substr(0, nul);
    if (block_bytes == 0) block_bytes = 1;
    if (t.size() + 1 > block_bytes) t = t.substr(0, block_bytes - 1);
    text_.assign(t.data(), t.size());
    block_ = block_bytes;
  }

  friend bool operator==(const HeapText& a, std::string_view b) { return a.view() == b; }
  friend bool operator!=(const HeapText& a, std::string_view b) { return a.view() != b; }

 private:
  std::string text_;
  std::size_t block_ = 0;
};

}  // namespace zelo
