// Owners of the Win32 resources the program and its tests hold. Each gives its
// resource back on every path, so that no error path leaks one; nothing
// outside this header closes a handle (scripts/check-owners.sh keeps it so).
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <winsvc.h>

#include <utility>

// WinINet's closing call, declared here rather than through <wininet.h>,
// which cannot share a source file with <winhttp.h>.
extern "C" __declspec(dllimport) BOOL WINAPI InternetCloseHandle(void* internet);
// Winsock's, for the same reason: <winsock2.h> must come before <windows.h>.
extern "C" __declspec(dllimport) int WINAPI closesocket(UINT_PTR socket);
extern "C" __declspec(dllimport) int WINAPI WSACleanup(void);

namespace zelo {

// A handle of a kind that one call closes. Null and INVALID_HANDLE_VALUE both
// mean "none": the file and find calls report failure with the second, the
// others with the first.
template <typename Handle, typename Close>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle h) : h_(h) {}
  ~Owned() { reset(); }
  Owned(Owned&& o) noexcept : h_(o.release()) {}
  Owned& operator=(Owned&& o) noexcept {
    reset(o.release());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle get() const { return h_; }
  explicit operator bool() const { return h_ && reinterpret_cast<void*>(h_) != INVALID_HANDLE_VALUE; }
  // Gives the handle up without closing it (clipboard data goes to the system).
  Handle release() { return std::exchange(h_, Handle()); }
  void reset(Handle h = Handle()) {
    if (*this) Close()(h_);
    h_ = h;
  }
  // For calls that hand a new handle back through a pointer.
  Handle* receive() {
    reset();
    return &h_;
  }

 private:
  Handle h_ = Handle();
};

namespace closing {
struct KernelHandle { void operator()(HANDLE h) const { CloseHandle(h); } };
struct Find { void operator()(HANDLE h) const { FindClose(h); } };
struct RegistryKey { void operator()(HKEY h) const { RegCloseKey(h); } };
struct Service { void operator()(SC_HANDLE h) const { CloseServiceHandle(h); } };
struct Library { void operator()(HMODULE h) const { FreeLibrary(h); } };
struct GdiObject { void operator()(HGDIOBJ h) const { DeleteObject(h); } };
struct MemoryDC { void operator()(HDC h) const { DeleteDC(h); } };
struct GlobalMemory { void operator()(HGLOBAL h) const { GlobalFree(h); } };
struct Accelerators { void operator()(HACCEL h) const { DestroyAcceleratorTable(h); } };
struct CoTaskMemory { void operator()(void* p) const { CoTaskMemFree(p); } };
struct Menu { void operator()(HMENU h) const { DestroyMenu(h); } };
struct Window { void operator()(HWND h) const { DestroyWindow(h); } };
struct MappedView { void operator()(void* p) const { UnmapViewOfFile(p); } };
struct ImageList { void operator()(HIMAGELIST h) const { ImageList_Destroy(h); } };
struct Internet { void operator()(void* h) const { InternetCloseHandle(h); } };
struct Socket { void operator()(UINT_PTR s) const { closesocket(s); } };
}  // namespace closing

// Process, thread, token, event, file, snapshot.
using KernelHandle = Owned<HANDLE, closing::KernelHandle>;
// From FindFirstFile: closed by FindClose, not CloseHandle.
using FindHandle = Owned<HANDLE, closing::Find>;
using RegistryKey = Owned<HKEY, closing::RegistryKey>;
// The service control manager or one service.
using ServiceHandle = Owned<SC_HANDLE, closing::Service>;
using Library = Owned<HMODULE, closing::Library>;
// A bitmap, font, pen or brush the program created (never a stock object).
template <typename T>
using GdiObject = Owned<T, closing::GdiObject>;
// From CreateCompatibleDC; a DC from GetDC is a WindowDC.
using MemoryDC = Owned<HDC, closing::MemoryDC>;
// After SetClipboardData succeeds the block belongs to the system: release() it.
using GlobalMemory = Owned<HGLOBAL, closing::GlobalMemory>;
using AcceleratorTable = Owned<HACCEL, closing::Accelerators>;
// A menu the program made and did not give to a window.
using OwnedMenu = Owned<HMENU, closing::Menu>;
// A window the program made for one task (destroyed on its own thread).
using OwnedWindow = Owned<HWND, closing::Window>;
// Memory the shell hands out with the COM allocator (item lists).
template <typename T>
using CoTaskMemory = Owned<T*, closing::CoTaskMemory>;
// A view of a file mapping (MapViewOfFile).
using MappedView = Owned<void*, closing::MappedView>;
// An image list of the program's own pictures (toolbar buttons, grid rows).
using OwnedImageList = Owned<HIMAGELIST, closing::ImageList>;
// A WinINet session, connection or request (HINTERNET).
using InternetHandle = Owned<void*, closing::Internet>;
// A Winsock socket (SOCKET); INVALID_SOCKET, all bits set, reads as none.
using SocketHandle = Owned<UINT_PTR, closing::Socket>;

inline RegistryKey OpenRegistryKey(HKEY root, const wchar_t* path, REGSAM access) {
  RegistryKey key;
  if (RegOpenKeyExW(root, path, 0, access, key.receive()) != ERROR_SUCCESS) key.release();  // nothing was opened
  return key;
}

// Opens the key, creating it and every key above it when missing; *result
// (when given) is the registry's answer.
inline RegistryKey CreateRegistryKey(HKEY root, const wchar_t* path, REGSAM access, LONG* result = nullptr) {
  RegistryKey key;
  const LONG r =
      RegCreateKeyExW(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key.receive(), nullptr);
  if (r != ERROR_SUCCESS) key.release();  // nothing was opened
  if (result) *result = r;
  return key;
}

// A function of a library loaded at run time, as type F; null when the
// library or the function is missing.
template <typename F>
F LibraryFunction(const Library& library, const char* name) {
  return library ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library.get(), name))) : nullptr;
}

// An ODBC handle from the driver manager loaded at run time (the program
// does not link against it), freed through that manager's SQLFreeHandle.
class OdbcHandle {
 public:
  using FreeHandleFn = short(WINAPI*)(short type, void* handle);
  OdbcHandle(short type, FreeHandleFn free_handle) : type_(type), free_(free_handle) {}
  ~OdbcHandle() {
    if (h_ && free_) free_(type_, h_);
  }
  OdbcHandle(const OdbcHandle&) = delete;
  OdbcHandle& operator=(const OdbcHandle&) = delete;
  void* get() const { return h_; }
  void** receive() { return &h_; }

 private:
  short type_;
  FreeHandleFn free_;
  void* h_ = nullptr;
};

// The owners below hold a resource for one scope and are neither copied nor moved.

// A DC from GetDC (the screen's for no window). It goes back with ReleaseDC to
// the window it came from; DeleteDC would destroy a DC the system shares.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The DC of a WM_PAINT, from BeginPaint; EndPaint marks the window drawn.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDC() { EndPaint(window_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a DC, the previous one put back on scope exit. An
// object still selected cannot be deleted, and a DC must not go back to the
// system holding the program's object: declare this after the DC and the
// object, so that it ends before both.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (ok()) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  bool ok() const { return previous_ && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The clipboard, open for this scope with the window as its owner. Another
// program may hold it for a moment (a clipboard viewer reading what was just
// put there): a few short tries before giving up.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner, int tries = 10) {
    for (int attempt = 0; attempt < tries && !open_; ++attempt) {
      if (attempt > 0) Sleep(20);
      open_ = OpenClipboard(owner) != 0;
    }
  }
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

// A global block locked for this scope (ours, or the clipboard's data, which
// stays the system's).
class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL h) : h_(h), p_(h ? GlobalLock(h) : nullptr) {}
  ~LockedGlobal() {
    if (p_) GlobalUnlock(h_);
  }
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;
  void* get() const { return p_; }

 private:
  HGLOBAL h_;
  void* p_;
};

// Two threads sharing one input state for this scope, so that this thread
// may set the foreground or the focus for the other's windows. When the
// system refuses one direction the other is tried.
class AttachedThreadInput {
 public:
  AttachedThreadInput(DWORD from, DWORD to) : from_(from), to_(to) {
    if (from_ == 0 || to_ == 0 || from_ == to_) return;
    attached_ = AttachThreadInput(from_, to_, TRUE) != 0;
    if (!attached_) {
      std::swap(from_, to_);
      attached_ = AttachThreadInput(from_, to_, TRUE) != 0;
    }
  }
  ~AttachedThreadInput() {
    if (attached_) AttachThreadInput(from_, to_, FALSE);
  }
  AttachedThreadInput(const AttachedThreadInput&) = delete;
  AttachedThreadInput& operator=(const AttachedThreadInput&) = delete;

 private:
  DWORD from_, to_;
  bool attached_ = false;
};

// COM in a single-threaded apartment on this thread for this scope. Only a
// successful start (S_FALSE included: COM was already on) is balanced by
// CoUninitialize; a thread in another apartment keeps it.
class ComInit {
 public:
  ComInit() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComInit() {
    if (ok_) CoUninitialize();
  }
  ComInit(const ComInit&) = delete;
  ComInit& operator=(const ComInit&) = delete;

 private:
  bool ok_;
};

// Winsock in use: given the answer of the caller's WSAStartup, it ends the
// use on scope exit when the start succeeded.
class WinsockUse {
 public:
  explicit WinsockUse(int startup_result) : ok_(startup_result == 0) {}
  ~WinsockUse() {
    if (ok_) WSACleanup();
  }
  WinsockUse(const WinsockUse&) = delete;
  WinsockUse& operator=(const WinsockUse&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

// A COM interface pointer, released on scope exit (before the ComInit that
// it needs, when declared after it).
template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (p_) p_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  T* operator->() const { return p_; }
  T* get() const { return p_; }
  // For CoCreateInstance and QueryInterface.
  void** receive() { return reinterpret_cast<void**>(out()); }
  // For methods that hand back a new interface of this type.
  T** out() {
    if (p_) p_->Release();
    p_ = nullptr;
    return &p_;
  }

 private:
  T* p_ = nullptr;
};

// A block of memory inside another process, for the controls whose messages
// carry pointers that the system does not carry across processes (tree and
// list views): tests read another program's controls through it.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, SIZE_T size)
      : process_(process), p_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
  ~RemoteMemory() {
    if (p_) VirtualFreeEx(process_, p_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  void* get() const { return p_; }

 private:
  HANDLE process_;
  void* p_;
};

}  // namespace zelo
