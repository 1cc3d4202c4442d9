// The log file in the Windows build.
#include <windows.h>

#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"
#include "engine/log_file.h"

namespace zelo {

namespace {

class WinLogFile : public OpenLogFile {
 public:
  WinLogFile(KernelHandle file, ULONGLONG size) : file_(std::move(file)), size_(size) {}

  bool Append(std::string_view text) override {
    // Opened for appending only: the system puts every write at the end of
    // the file, after whatever another writer added.
    DWORD written = 0;
    const bool ok = WriteFile(file_.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    size_ += written;
    return ok;
  }

  bool StillAt(const std::string& path) override {
    // One query by name per line: a deleted file (gone, or pending deletion,
    // which refuses the query), a moved one (nothing or another file at the
    // path) and a file another program wrote to all differ from the size
    // this handle wrote it to; the last is merely opened again. (Another
    // file of exactly this size at the path goes unseen until the sizes
    // part; creation times cannot tell them apart: Wine moves them with
    // every write, and Windows gives a new file the time of the one that
    // had its name a moment ago.)
    WIN32_FILE_ATTRIBUTE_DATA named = {};
    if (!GetFileAttributesExW(AnsiToWide(path).c_str(), GetFileExInfoStandard, &named)) return false;
    return ((static_cast<ULONGLONG>(named.nFileSizeHigh) << 32) | named.nFileSizeLow) == size_;
  }

  bool Deleted() override {
    FILE_STANDARD_INFO info = {};
    return GetFileInformationByHandleEx(file_.get(), FileStandardInfo, &info, sizeof info) &&
           (info.DeletePending || info.NumberOfLinks == 0);
  }

  uint64_t Length() override {
    LARGE_INTEGER size = {};
    return GetFileSizeEx(file_.get(), &size) ? static_cast<uint64_t>(size.QuadPart) : 0;
  }

 private:
  KernelHandle file_;
  ULONGLONG size_;  // the file's length after this handle's last write
};

}  // namespace

std::unique_ptr<OpenLogFile> OpenLogFileAt(const std::string& path) {
  // Shared for everything, so another program may read, write, rename or
  // delete the file while a run keeps it open.
  KernelHandle file(CreateFileW(AnsiToWide(path).c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size = {};
  if (!file || !GetFileSizeEx(file.get(), &size)) return nullptr;
  return std::make_unique<WinLogFile>(std::move(file), static_cast<ULONGLONG>(size.QuadPart));
}

bool RemoveLogFile(std::string_view path) {
  if (path.empty()) return false;
  return DeleteFileW(AnsiToWide(path).c_str()) != 0;
}

}  // namespace zelo
