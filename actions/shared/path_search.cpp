#include "actions/shared/path_search.h"

namespace zelo {

namespace {

// Names this long are taken as they are: no search could make them shorter.
constexpr std::size_t kLongName = 260;

bool Found(PathFacts& facts, std::string_view folder, std::string_view name, std::string* out) {
  if (folder.empty()) return false;
  std::string candidate = JoinPath(folder, name);
  if (!facts.FileExists(candidate)) return false;
  *out = std::move(candidate);
  return true;
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '\\') path += '\\';
  path += name;
  return path;
}

std::string_view FolderPart(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

bool ResolvePathWith(PathFacts& facts, std::string_view name, std::string_view script_path, std::string* out) {
  out->assign(name);
  if (name.empty()) return false;
  if (name.size() >= kLongName) return true;
  if (name.find('\\') != std::string_view::npos && facts.FileExists(out->c_str())) return true;

  // A registered program's folder is trusted without looking for the file:
  // the registration names where the program lives.
  std::string app_folder;
  if (facts.AppPathsFolder(name, &app_folder)) {
    const std::size_t semicolon = app_folder.find(';');
    if (semicolon != std::string::npos) app_folder.resize(semicolon);
    if (!app_folder.empty() && facts.FolderExists(app_folder)) {
      *out = JoinPath(app_folder, name);
      return true;
    }
  }
  std::string hit;
  if (Found(facts, facts.CurrentFolder(), name, &hit) || Found(facts, FolderPart(script_path), name, &hit) ||
      Found(facts, facts.ProgramFolder(), name, &hit) || Found(facts, facts.WindowsFolder(), name, &hit) ||
      Found(facts, facts.SystemFolder(), name, &hit) || Found(facts, "C:\\", name, &hit) ||
      facts.SearchSystemPath(name, &hit)) {
    *out = std::move(hit);
    return true;
  }
  return false;
}

bool ResolvePath(std::string_view name, std::string* out, std::string_view script_path) {
  return ResolvePathWith(SystemPathFacts(), name, script_path, out);
}

}  // namespace zelo
