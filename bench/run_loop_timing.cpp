// Run engine overhead per step, timed with the standard clock (best of
// several runs) so that the Windows build can run it under Wine: a script of
// 20,000 no-op steps run by the real run loop with logging off and with
// logging to a file, against calling the handlers through the table alone
// (the baseline), with the ratios to it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/quiet_run.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSteps = 20000;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

template <typename F>
double Best(int runs, F&& once) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    const Clock::time_point start = Clock::now();
    if (!once()) return -1;
    best = std::min(best, Since(start));
  }
  return best;
}

}  // namespace

int main() {
  zelo::bench::QuietRun run(kSteps);
  const double table = Best(20, [&] { return run.CallHandlersOnly() == kSteps; });
  run.LoggingOff();
  const double off = Best(5, [&] { return run.RunOnce(); });
  const std::string log = (std::filesystem::temp_directory_path() / "zelo_run_loop_timing_log.txt").string();
  run.LogToFile(log);
  const double on = Best(5, [&] { return run.RunOnce(); });
  std::remove(log.c_str());
  if (table < 0 || off < 0 || on < 0) {
    std::fprintf(stderr, "a run did not end\n");
    return 1;
  }
  std::printf("%-28s %10s %14s %16s\n", "run of 20000 no-op steps", "ms", "steps/s", "x handler calls");
  const struct {
    const char* name;
    double seconds;
  } rows[] = {{"handler calls only", table}, {"run loop, logging off", off}, {"run loop, logging to file", on}};
  for (const auto& r : rows)
    std::printf("%-28s %10.2f %14.0f %16.1f\n", r.name, r.seconds * 1000, kSteps / r.seconds, r.seconds / table);
  return 0;
}
