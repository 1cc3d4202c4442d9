// ReadFileLine over a 100 MB text file, read line 1, 2, 3, ... to the end as
// the file-line loop reads it. Reports lines per second, the time per line at
// the start against the end of the file (equal when no line costs a re-read
// of what lies before it), and the bytes read from the file against its size.
// Baseline: one plain read of the whole file, splitting it into lines.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "actions/shared/file_line_reader.h"
#include "actions/shared/file_routines.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

// Lines of 20 to 100 bytes with mixed CR LF and LF ends, about 100 MB.
uint64_t WriteTextFile(const std::string& path, uint64_t bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string chunk;
  uint64_t written = 0;
  uint64_t lines = 0;
  for (uint32_t i = 0; written < bytes; ++i) {
    std::string line = "record " + std::to_string(i) + " ";
    line.resize(20 + (i * 2654435761u) % 81, 'x');
    line += i % 4 == 0 ? "\n" : "\r\n";
    chunk += line;
    written += line.size();
    ++lines;
    if (chunk.size() > (1u << 20)) {
      out << chunk;
      chunk.clear();
    }
  }
  out << chunk;
  return lines;
}

}  // namespace

int main() {
  const std::string path = (std::filesystem::temp_directory_path() / "zelo_bench_lines.txt").string();
  const uint64_t file_lines = WriteTextFile(path, 100u * 1000u * 1000u);
  const uint64_t size = std::filesystem::file_size(path);

  // Baseline: the whole file read once and split into lines.
  auto t0 = Clock::now();
  uint64_t baseline_lines = 0;
  {
    std::ifstream in(path, std::ios::binary);
    std::string buf(1 << 20, '\0');
    while (in.read(buf.data(), static_cast<std::streamsize>(buf.size())) || in.gcount() > 0) {
      const std::size_t n = static_cast<std::size_t>(in.gcount());
      for (std::size_t i = 0; i < n; ++i) baseline_lines += buf[i] == '\n';
      if (n < buf.size()) break;
    }
  }
  const double baseline_s = Seconds(t0, Clock::now());

  // ReadFileLine, line 1 to the end; the first and the last tenth timed apart.
  const uint64_t tenth = file_lines / 10;
  std::string line;
  uint64_t n = 0;
  uint64_t checksum = 0;
  Clock::time_point first_tenth_end{}, last_tenth_start{};
  t0 = Clock::now();
  while (zelo::ReadFileLine(path, static_cast<int64_t>(n + 1), &line) != 0) {
    ++n;
    checksum += line.size();
    if (n == tenth) first_tenth_end = Clock::now();
    if (n == file_lines - tenth) last_tenth_start = Clock::now();
  }
  const Clock::time_point t1 = Clock::now();
  const double total_s = Seconds(t0, t1);
  const double first_ns = Seconds(t0, first_tenth_end) / static_cast<double>(tenth) * 1e9;
  const double last_ns = Seconds(last_tenth_start, t1) / static_cast<double>(tenth) * 1e9;

  // The same scan with a reader of its own, counting the bytes it reads.
  zelo::FileLineReader reader;
  for (int64_t i = 1; reader.Read(path, i, zelo::kMaxFileLine, &line); ++i) {
  }

  std::printf("file: %.1f MB, %llu lines (written), %llu lines read\n", static_cast<double>(size) / 1e6,
              static_cast<unsigned long long>(file_lines), static_cast<unsigned long long>(n));
  std::printf("ReadFileLine 1..n: %.2f s = %.0f lines/s (%.1f MB/s)\n", total_s, static_cast<double>(n) / total_s,
              static_cast<double>(size) / 1e6 / total_s);
  std::printf("time per line: first tenth %.0f ns, last tenth %.0f ns (ratio %.2f)\n", first_ns, last_ns,
              last_ns / first_ns);
  std::printf("bytes read: %llu for a file of %llu (%.3f times the file)\n",
              static_cast<unsigned long long>(reader.bytes_read()), static_cast<unsigned long long>(size),
              static_cast<double>(reader.bytes_read()) / static_cast<double>(size));
  std::printf("baseline, one plain read and split: %.2f s = %.0f lines/s; ReadFileLine takes %.1f times as long\n",
              baseline_s, static_cast<double>(baseline_lines) / baseline_s, total_s / baseline_s);
  std::printf("(checksum %llu)\n", static_cast<unsigned long long>(checksum));
  std::filesystem::remove(path);
  return n == file_lines + 1 ? 0 : 1;  // the file ends with a line end: one empty last line
}
