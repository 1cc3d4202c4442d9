// Win32 implementation of the file seam; the native build uses file_system_native.cpp.
#include <windows.h>
#include <shellapi.h>

#include "actions/shared/file_system.h"
#include "base/ansi_text_win.h"
#include "base/system_error_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

const char kPathSeparator = '\\';

namespace {

std::wstring Wide(const std::string& s) { return AnsiToWide(s); }

bool Fail(std::string* error) {
  if (error) *error = SystemErrorText(GetLastError());
  return false;
}

uint64_t Join(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

HANDLE Handle(intptr_t h) { return reinterpret_cast<HANDLE>(h); }

// Windows refuses to write a read-only file; checked here too because some
// systems that run Windows programs (Wine, for a privileged user) do not.
bool ReadOnlyFile(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY) && (a & FILE_ATTRIBUTE_READONLY);
}

bool Denied(std::string* error) {
  SetLastError(ERROR_ACCESS_DENIED);
  return Fail(error);
}

// The shell's file operations take lists of names, each ended by a NUL, the
// list ended by a second NUL.
std::wstring ShellList(const std::string& path) {
  std::wstring list = Wide(path);
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

// Copy and delete of whole folders, without progress, questions, error boxes
// or the recycle bin: a script runs unattended.
bool ShellOperation(UINT operation, const std::string& from, const std::string* to, std::string* error) {
  const std::wstring from_list = ShellList(from);
  const std::wstring to_list = to ? ShellList(*to) : std::wstring();
  SHFILEOPSTRUCTW op = {};
  op.wFunc = operation;
  op.pFrom = from_list.c_str();
  op.pTo = to ? to_list.c_str() : nullptr;
  op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;
  const int result = SHFileOperationW(&op);
  if (result == 0 && !op.fAnyOperationsAborted) return true;
  if (error) *error = result != 0 ? SystemErrorText(static_cast<unsigned long>(result)) : "The operation was aborted";
  return false;
}

}  // namespace

bool StampOfPath(const std::string& path, FileStamp* stamp) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || !GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return false;
  stamp->folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  stamp->size = Join(data.nFileSizeHigh, data.nFileSizeLow);
  stamp->write_time = Join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
  return true;
}

std::vector<FolderEntry> ListMatches(const std::string& pattern) {
  std::vector<FolderEntry> found;
  if (pattern.empty()) return found;
  WIN32_FIND_DATAW data;
  const FindHandle find(
      FindFirstFileExW(Wide(pattern).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0));
  if (!find) return found;
  do {
    const std::wstring_view name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    FolderEntry e;
    e.name = WideToAnsi(name);
    e.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    found.push_back(std::move(e));
  } while (FindNextFileW(find.get(), &data));
  return found;
}

SystemFile& SystemFile::operator=(SystemFile&& o) noexcept {
  if (this != &o) {
    Close();
    handle_ = o.handle_;
    o.handle_ = kNone;
  }
  return *this;
}

bool SystemFile::Open(const std::string& path, Mode mode, std::string* error) {
  Close();
  DWORD access = GENERIC_READ;
  DWORD creation = OPEN_EXISTING;
  // Readers let others write and delete, so that a file being read line by
  // line can still be replaced by the script or by the program writing it.
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  if (mode == Mode::ReadShared) share |= FILE_SHARE_DELETE;
  if (mode != Mode::ReadShared) access |= GENERIC_WRITE;
  if (mode == Mode::ReadWriteCreate) creation = OPEN_ALWAYS;
  const std::wstring wide = Wide(path);
  if (mode != Mode::ReadShared && ReadOnlyFile(wide)) return Denied(error);
  const HANDLE h = CreateFileW(wide.c_str(), access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Fail(error);
  handle_ = reinterpret_cast<intptr_t>(h);
  return true;
}

void SystemFile::Close() {
  if (handle_ != kNone) KernelHandle(Handle(handle_)).reset();
  handle_ = kNone;
}

bool SystemFile::Read(void* data, std::size_t size, std::size_t* got, std::string* error) {
  *got = 0;
  char* p = static_cast<char*>(data);
  while (*got < size) {
    const std::size_t left = size - *got;
    const DWORD ask = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
    DWORD n = 0;
    if (!ReadFile(Handle(handle_), p + *got, ask, &n, nullptr)) return Fail(error);
    if (n == 0) break;
    *got += n;
  }
  return true;
}

bool SystemFile::Write(const void* data, std::size_t size, std::string* error) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const DWORD ask = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
    DWORD n = 0;
    if (!WriteFile(Handle(handle_), p, ask, &n, nullptr)) return Fail(error);
    if (n == 0) {
      if (error) *error = "Nothing could be written";
      return false;
    }
    p += n;
    size -= n;
  }
  return true;
}

bool SystemFile::Seek(uint64_t offset, std::string* error) {
  if (offset > static_cast<uint64_t>(INT64_MAX)) {
    SetLastError(ERROR_NEGATIVE_SEEK);
    return Fail(error);
  }
  LARGE_INTEGER to;
  to.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(Handle(handle_), to, nullptr, FILE_BEGIN) || Fail(error);
}

bool SystemFile::SeekToEnd(std::string* error) {
  LARGE_INTEGER zero = {};
  return SetFilePointerEx(Handle(handle_), zero, nullptr, FILE_END) || Fail(error);
}

bool SystemFile::SetEndHere(std::string* error) { return SetEndOfFile(Handle(handle_)) || Fail(error); }

bool SystemFile::Flush(std::string* error) { return FlushFileBuffers(Handle(handle_)) || Fail(error); }

bool SystemFile::Stamp(FileStamp* stamp) const {
  BY_HANDLE_FILE_INFORMATION info;
  if (handle_ == kNone || !GetFileInformationByHandle(Handle(handle_), &info)) return false;
  stamp->folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  stamp->size = Join(info.nFileSizeHigh, info.nFileSizeLow);
  stamp->write_time = Join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
  return true;
}

FolderCreation CreateOneFolder(const std::string& path, std::string* error) {
  if (CreateDirectoryW(Wide(path).c_str(), nullptr)) return FolderCreation::Created;
  const DWORD code = GetLastError();
  if (error) *error = SystemErrorText(code);
  return code == ERROR_PATH_NOT_FOUND ? FolderCreation::ParentMissing : FolderCreation::Failed;
}

bool CopyOneFile(const std::string& from, const std::string& to, std::string* error) {
  // Copied beside the destination first and moved over it, so that a copy
  // that breaks off never leaves a half-written destination behind.
  if (ReadOnlyFile(Wide(to))) return Denied(error);
  const std::wstring temp = Wide(to + ".zelo-copy");
  if (!CopyFileW(Wide(from).c_str(), temp.c_str(), FALSE)) return Fail(error);
  // The copy keeps the source's attributes; a read-only copy could not be
  // moved over an existing file on every file system.
  const DWORD attributes = GetFileAttributesW(temp.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesW(temp.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  if (!MoveFileExW(temp.c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
    Fail(error);
    DeleteFileW(temp.c_str());
    return false;
  }
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesW(Wide(to).c_str(), attributes);
  return true;
}

bool DeleteOneFile(const std::string& path, std::string* error) {
  if (ReadOnlyFile(Wide(path))) return Denied(error);
  return DeleteFileW(Wide(path).c_str()) || Fail(error);
}

bool RemoveEmptyFolder(const std::string& path, std::string* error) {
  return RemoveDirectoryW(Wide(path).c_str()) || Fail(error);
}

bool CopyFolderContents(const std::string& from, const std::string& to, std::string* error) {
  return ShellOperation(FO_COPY, from + "\\*.*", &to, error);
}

bool DeleteFolderTree(const std::string& path, std::string* error) {
  return ShellOperation(FO_DELETE, path, nullptr, error);
}

bool SetCurrentFolder(const std::string& path, std::string* error) {
  return SetCurrentDirectoryW(Wide(path).c_str()) || Fail(error);
}

std::string FullPathOf(const std::string& path) {
  const std::wstring wide = Wide(path);
  const DWORD need = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (need == 0) return path;
  std::wstring full(need, L'\0');
  const DWORD n = GetFullPathNameW(wide.c_str(), need, full.data(), nullptr);
  if (n == 0 || n >= need) return path;
  full.resize(n);
  return WideToAnsi(full);
}

}  // namespace zelo
