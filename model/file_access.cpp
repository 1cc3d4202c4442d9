#include "model/file_access.h"

#include <cerrno>
#include <cstdio>
#include <new>
#include <stdexcept>

#include "model/file_platform.h"

namespace zelo {

namespace {

bool Fail(SaveFailure* failure, SaveStage stage, std::string message) {
  if (failure) {
    failure->stage = stage;
    failure->message = std::move(message);
  }
  return false;
}

}  // namespace

ReadResult ReadWholeFile(const std::string& path, std::string* data) {
  data->clear();
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::Missing : ReadResult::CannotOpen;
  ReadResult result = ReadResult::Ok;
  try {
    // The size is only a hint (a folder or a device reports nonsense); the
    // read below decides.
    if (std::fseek(f, 0, SEEK_END) == 0) {
      const long size = std::ftell(f);
      if (size > 0 && static_cast<unsigned long>(size) < (1ul << 31)) data->reserve(static_cast<std::size_t>(size) + 1);
    }
    std::rewind(f);
    char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) data->append(chunk, n);
    if (std::ferror(f)) result = ReadResult::ReadFailed;
  } catch (const std::bad_alloc&) {
    result = ReadResult::OutOfMemory;
  } catch (const std::length_error&) {
    result = ReadResult::OutOfMemory;
  }
  std::fclose(f);
  if (result != ReadResult::Ok) data->clear();
  return result;
}

std::string SaveTempName(const std::string& path) { return path + ".saving"; }

bool WriteFileReplacing(const std::string& path, std::string_view data, SaveFailure* failure) {
  std::string error;
  if (!CreateFolders(ParentFolder(path), &error)) return Fail(failure, SaveStage::Create, error);

  const std::string temp = SaveTempName(path);
  errno = 0;
  std::FILE* raw = std::fopen(temp.c_str(), "wb");
  if (!raw) return Fail(failure, SaveStage::Create, ErrorNumberText(errno));

  errno = 0;
  bool written = std::fwrite(data.data(), 1, data.size(), raw) == data.size();
  written = std::fflush(raw) == 0 && written;
  int write_errno = errno;
  if (std::fclose(raw) != 0 && written) {
    written = false;
    write_errno = errno;
  }
  if (!written) {
    RemoveFileQuietly(temp);
    return Fail(failure, SaveStage::PutInPlace, ErrorNumberText(write_errno ? write_errno : EIO));
  }
  if (!ReplaceFileWith(temp, path, &error)) {
    RemoveFileQuietly(temp);
    return Fail(failure, SaveStage::PutInPlace, error);
  }
  return true;
}

}  // namespace zelo
