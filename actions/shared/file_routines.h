// The file routines that several parts of the program share: the existence
// tests behind "IF File Exists" and "IF Folder Exists", the size of a file,
// reading one line of a text file (also the file-line loop), opening a file
// for writing and appending to it (result saving, the run log, the report),
// creating a folder path, and resolving shell shortcuts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "actions/shared/file_system.h"

namespace zelo {

// Lines longer than this are cut when read one by one.
inline constexpr std::size_t kMaxFileLine = 1023;

// True when at least one file or folder matches the path ("*" and "?" allowed),
// or when the path has attributes (a drive root, a folder with a trailing separator).
bool FileExists(std::string_view path);
// True when the path exists and is a folder.
bool FolderExists(std::string_view path);
// Size in bytes of an existing file opened for shared reading; 0 when it cannot be opened.
uint64_t FileSize(std::string_view path);

// Reads line number `line_number` (1-based) of a text file into *line, cut at
// kMaxFileLine characters. A CR LF pair ends a line, and so does a lone CR or a
// lone LF; lines are counted across the whole file however it is read. Returns
// the length of the line plus 1, or 0 when the file cannot be read or has no
// such line (*line is then empty). Reading lines one after the other does not
// read the file again from its start: the position of the last line read is
// kept while the file stays unchanged.
std::size_t ReadFileLine(std::string_view path, int64_t line_number, std::string* line);
// The same into a caller's buffer of `size` bytes (the line is cut to fit and
// NUL-terminated); returns the length of the full line (at most kMaxFileLine) plus 1.
std::size_t ReadFileLine(std::string_view path, int64_t line_number, char* out, std::size_t size);
// Drops what ReadFileLine keeps of the last file read; called after this
// program changed a file, so that no stale position survives a change that the
// file system's clock could not tell apart.
void ForgetFileLines();
// The same for one file only: cheap for writers that open files often (the
// run log), which must not make the reader start over at every line.
void ForgetFileLines(std::string_view path);
// Bytes ReadFileLine has read from files so far (for tests and benchmarks).
uint64_t FileLineBytesRead();

// Creates the folder and every missing folder above it. True when the path is
// a folder afterwards; false when it is a file or could not be made (*error,
// when given, then holds the system's reason).
bool MakeFolderPath(std::string_view path, std::string* error = nullptr);

// Opens a file for reading and writing, sharing reading and writing, created
// when missing and never truncated; when the path names a folder (other than a
// bare drive such as "C:"), that folder is created first. The result is not
// open on failure, with the reason in *error.
SystemFile OpenForWrite(std::string_view path, std::string* error = nullptr);

// Writes text (no terminator) at the end of *file when one is given, else of
// the file at path (opened with OpenForWrite and closed again). Nothing
// happens, successfully, when text is empty; without file and path it fails.
bool AppendToFile(SystemFile* file, std::string_view path, std::string_view text, std::string* error = nullptr);

// The target path of a shell shortcut in *target; the path itself when it is
// not a shortcut. False when the shortcut cannot be read.
bool ResolveShortcut(std::string_view path, std::string* target);

}  // namespace zelo
