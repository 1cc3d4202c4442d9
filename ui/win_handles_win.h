// Small owners for Win32 resources, so that no error path leaks one.
#pragma once

#include <windows.h>

namespace zelo {

// An open clipboard, closed on scope exit.
class ClipboardLock {
 public:
  explicit ClipboardLock(HWND owner) : open_(OpenClipboard(owner) != 0) {}
  ~ClipboardLock() {
    if (open_) CloseClipboard();
  }
  ClipboardLock(const ClipboardLock&) = delete;
  ClipboardLock& operator=(const ClipboardLock&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

// A global memory block, freed on scope exit unless released to a new owner.
class GlobalBlock {
 public:
  GlobalBlock(UINT flags, SIZE_T bytes) : h_(GlobalAlloc(flags, bytes)) {}
  ~GlobalBlock() {
    if (h_) GlobalFree(h_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  HGLOBAL get() const { return h_; }
  HGLOBAL release() {
    HGLOBAL h = h_;
    h_ = nullptr;
    return h;
  }

 private:
  HGLOBAL h_;
};

// A locked global memory block, unlocked on scope exit.
class GlobalLock {
 public:
  explicit GlobalLock(HANDLE h) : h_(h), p_(h ? ::GlobalLock(h) : nullptr) {}
  ~GlobalLock() {
    if (p_) GlobalUnlock(h_);
  }
  GlobalLock(const GlobalLock&) = delete;
  GlobalLock& operator=(const GlobalLock&) = delete;
  void* get() const { return p_; }

 private:
  HANDLE h_;
  void* p_;
};

// A kernel handle (thread, process, event...), closed on scope exit.
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(HANDLE h) : h_(h) {}
  ~OwnedHandle() { reset(); }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  OwnedHandle(OwnedHandle&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
  OwnedHandle& operator=(OwnedHandle&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = o.h_;
      o.h_ = nullptr;
    }
    return *this;
  }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
  void reset(HANDLE h = nullptr) {
    if (h_ && h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    h_ = h;
  }

 private:
  HANDLE h_ = nullptr;
};

}  // namespace zelo
