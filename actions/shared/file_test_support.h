// A scratch folder of real files for the tests of the file routines and
// actions; removed with everything in it when the test ends.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include "actions/shared/file_system.h"

namespace zelo::test {

class ScratchFiles {
 public:
  ScratchFiles() {
    static std::atomic<int> counter{0};
    const auto base = std::filesystem::temp_directory_path();
    for (int i = 0;; ++i) {
      root_ = (base / ("zelo_files_" + std::to_string(counter++) + "_" + std::to_string(i))).string();
      std::error_code ec;
      if (std::filesystem::create_directory(root_, ec)) break;
    }
  }
  ~ScratchFiles() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ec))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(root_, ec);
  }
  ScratchFiles(const ScratchFiles&) = delete;
  ScratchFiles& operator=(const ScratchFiles&) = delete;

  const std::string& root() const { return root_; }
  // The path of name (which may hold "/" for subfolders) inside the folder.
  std::string Path(const std::string& name) const {
    std::string p = root_ + kPathSeparator + name;
    for (char& c : p)
      if (c == '/' || c == '\\') c = kPathSeparator;
    return p;
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string p = Path(name);
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(p).parent_path(), ec);
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
    return p;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bool Exists(const std::string& name) const {
    std::error_code ec;
    return std::filesystem::exists(Path(name), ec);
  }
  void MakeReadOnly(const std::string& name) const {
    std::error_code ec;
    std::filesystem::permissions(Path(name),
                                 std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove, ec);
  }

 private:
  std::string root_;
};

}  // namespace zelo::test
