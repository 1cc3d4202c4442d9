// Where the file benchmarks keep their scripts.
#pragma once

#include <filesystem>
#include <string>

namespace zelo::bench {

inline std::string BenchPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("zelo_bench_" + name + ".zxm")).string();
}

}  // namespace zelo::bench
