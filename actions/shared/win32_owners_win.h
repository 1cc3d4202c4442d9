// Owners of the Win32 resources the program actions use, so that no error
// path leaks one.
#pragma once

#include <windows.h>

#include <winsvc.h>

#include <utility>

namespace zelo {

// A kernel handle (process, thread, token, snapshot), closed on scope exit.
class KernelHandle {
 public:
  KernelHandle() = default;
  explicit KernelHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  ~KernelHandle() { reset(); }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  KernelHandle(KernelHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  KernelHandle& operator=(KernelHandle&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void reset() {
    if (h_) CloseHandle(h_);
    h_ = nullptr;
  }

 private:
  HANDLE h_ = nullptr;
};

// A handle of the service control manager or of a service.
class ServiceHandle {
 public:
  explicit ServiceHandle(SC_HANDLE h) : h_(h) {}
  ~ServiceHandle() {
    if (h_) CloseServiceHandle(h_);
  }
  ServiceHandle(const ServiceHandle&) = delete;
  ServiceHandle& operator=(const ServiceHandle&) = delete;
  SC_HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  SC_HANDLE h_;
};

// An open registry key.
class RegistryKey {
 public:
  RegistryKey(HKEY root, const wchar_t* path, REGSAM access) {
    if (RegOpenKeyExW(root, path, 0, access, &h_) != ERROR_SUCCESS) h_ = nullptr;
  }
  ~RegistryKey() {
    if (h_) RegCloseKey(h_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  HKEY h_ = nullptr;
};

// A library loaded at run time.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(const wchar_t* name) : h_(LoadLibraryW(name)) {}
  ~LoadedLibrary() {
    if (h_) FreeLibrary(h_);
  }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;
  explicit operator bool() const { return h_ != nullptr; }
  template <typename F>
  F Function(const char* name) const {
    return h_ ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(h_, name))) : nullptr;
  }

 private:
  HMODULE h_;
};

inline HWND AsWindow(uint64_t window) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(window)); }
inline uint64_t AsNumber(HWND window) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window)); }

}  // namespace zelo
