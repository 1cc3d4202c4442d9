#include "actions/path_checks.h"

#include <cstdio>
#include <memory>

#include "actions/path_checks_platform.h"

namespace zelo {

bool ReadTextLine(std::string_view path, int64_t line_number, std::string* line) {
  line->clear();
  if (line_number < 1) return false;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenForReading(path), &std::fclose);
  if (!file) return false;
  int64_t current = 1;
  bool any = false;
  for (int c = std::fgetc(file.get()); c != EOF; c = std::fgetc(file.get())) {
    any = true;
    if (c == '\r' || c == '\n') {
      if (current == line_number) return true;
      if (c == '\r') {
        const int next = std::fgetc(file.get());
        if (next != '\n' && next != EOF) std::ungetc(next, file.get());
      }
      ++current;
      any = false;
      continue;
    }
    if (current == line_number && line->size() < kMaxLoopLine) line->push_back(static_cast<char>(c));
  }
  // The last line needs no line end; an empty remainder after a final line
  // end is no line.
  return current == line_number && any;
}

}  // namespace zelo
