// Whole-file reading and the replace-on-save writing of script files.
#pragma once

#include <string>
#include <string_view>

namespace zelo {

enum class ReadResult { Ok, Missing, CannotOpen, ReadFailed, OutOfMemory };

// Reads the whole file into *data. Missing: the file (or a folder on its path) does not exist.
ReadResult ReadWholeFile(const std::string& path, std::string* data);

// Where a save failed: creating the new file (its folders or the temporary
// file beside it), or putting it in place (writing, flushing, replacing).
enum class SaveStage { None, Create = 1, PutInPlace = 2 };

struct SaveFailure {
  SaveStage stage = SaveStage::None;
  std::string message;  // the system's error text
};

// The temporary file a save writes before it replaces the real one.
std::string SaveTempName(const std::string& path);

// Writes data to a temporary file beside path (creating missing folders),
// flushes it and then replaces path with it, so a failure at any point leaves
// the previous file as it was. The temporary file is removed on failure.
bool WriteFileReplacing(const std::string& path, std::string_view data, SaveFailure* failure);

}  // namespace zelo
