#include "actions/flow/file_line_loop.h"

#include "actions/shared/file_routines.h"
#include "actions/flow/loop_tests.h"
#include "actions/shared/path_search.h"
#include "engine/run_engine.h"

namespace zelo {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsAbsolute(const std::string& path) {
  if (!path.empty() && IsSeparator(path[0])) return true;
  return path.size() >= 2 && path[1] == ':';
}

}  // namespace

std::string PathFromScriptFolder(const std::string& path, const std::string& script_path) {
  if (path.empty() || IsAbsolute(path)) return path;
  const std::size_t cut = script_path.find_last_of("\\/");
  if (cut == std::string::npos) return path;
  return script_path.substr(0, cut + 1) + path;
}

bool FileLineLoopGoesOn(RunEngine& run, int slot, int index, const std::string& text, int32_t counter) {
  DeleteLoopVariable("file_line_loop", slot);
  const ScriptSlot& s = run.workspace().slots[static_cast<std::size_t>(slot)];
  const std::string script = s.file_name.view() == kUntitled ? std::string() : std::string(s.file_name.view());
  // The program's search order (the script's folder among its places); a
  // name it cannot find is still taken from the script's folder.
  std::string path;
  if (!ResolvePath(text, &path, script)) path = PathFromScriptFolder(text, script);
  std::string line;
  if (ReadFileLine(path, static_cast<int64_t>(counter) + 1, &line) == 0) return false;
  SetLoopVariable("file_line_loop", line, slot);
  return true;
}

}  // namespace zelo
