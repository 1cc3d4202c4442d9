// FixedText<N>: a NUL-terminated single-byte text in a buffer of N bytes.
// Every fixed-size step field keeps its limit through this one type, so the
// truncation rule (at most N - 1 characters, cut silently) lives in one place.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace zelo {

template <std::size_t N>
class FixedText {
  static_assert(N >= 2, "a fixed text needs room for one character and its terminator");

 public:
  static constexpr std::size_t kCapacity = N;      // bytes including the terminator
  static constexpr std::size_t kMaxLength = N - 1;  // characters it can hold

  FixedText() { buf_[0] = '\0'; }
  FixedText(std::string_view s) { assign(s); }  // NOLINT: implicit by design, like a char array
  FixedText& operator=(std::string_view s) {
    assign(s);
    return *this;
  }
  FixedText& operator=(const char* s) {
    assign(s ? std::string_view(s) : std::string_view());
    return *this;
  }

  // Copies at most kMaxLength characters and stops at an embedded NUL, as a
  // C string copy into the field would.
  void assign(std::string_view s) {
    std::size_t n = s.size() < kMaxLength ? s.size() : kMaxLength;
    const void* nul = std::memchr(s.data(), '\0', n);
    if (nul) n = static_cast<const char*>(nul) - s.data();
    std::memmove(buf_, s.data(), n);  // s may be a view of this very text (trimming in place)
    buf_[n] = '\0';
    len_ = n;
  }
  // Copies at most max characters (the reader's "at most 63/259" limits).
  void assign(std::string_view s, std::size_t max) { assign(s.substr(0, max < s.size() ? max : s.size())); }

  void clear() {
    buf_[0] = '\0';
    len_ = 0;
  }
  const char* c_str() const { return buf_; }
  std::string_view view() const { return std::string_view(buf_, len_); }
  std::string str() const { return std::string(buf_, len_); }
  operator std::string_view() const { return view(); }  // NOLINT
  std::size_t size() const { return len_; }
  bool empty() const { return len_ == 0; }

  friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
  friend bool operator!=(const FixedText& a, std::string_view b) { return a.view() != b; }
  friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
  friend bool operator!=(const FixedText& a, const FixedText& b) { return a.view() != b.view(); }

 private:
  char buf_[N];
  std::size_t len_ = 0;
};

}  // namespace zelo
