// Load and save of a generated script at 5,000 and 50,000 steps, timed with
// the standard clock (best of several runs), printed with the ratios of the
// two sizes: linear growth shows as a time ratio near 10. Needs nothing but
// the standard library, so the Windows build runs it too.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "bench/bench_files.h"
#include "bench/bench_script.h"
#include "bench/live_bytes.h"
#include "model/script_file.h"

namespace {

using Clock = std::chrono::steady_clock;
using zelo::Workspace;

struct Result {
  int steps = 0;
  double load_seconds = 1e9;
  double save_seconds = 1e9;
  double bytes_per_step = 0;
  long file_bytes = 0;
};

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

bool Measure(int steps, int runs, Result* r) {
  r->steps = steps;
  const std::string path = zelo::bench::BenchPath("ratio_" + std::to_string(steps));
  const std::string saved = zelo::bench::BenchPath("ratio_saved_" + std::to_string(steps));
  if (!zelo::bench::WriteBenchScript(path, steps)) return false;
  for (int run = 0; run < runs; ++run) {
    auto ws = std::make_unique<Workspace>();
    const std::size_t before = zelo::bench::LiveBytes();
    Clock::time_point start = Clock::now();
    const int loaded = zelo::LoadScriptFile(*ws, path, 0, &r->file_bytes);
    r->load_seconds = std::min(r->load_seconds, Since(start));
    if (loaded != steps) return false;
    r->bytes_per_step = static_cast<double>(zelo::bench::LiveBytes() - before) / steps;

    ws->slots[0].file_name = saved;
    std::string error;
    start = Clock::now();
    const bool ok = zelo::SaveScriptFile(*ws, 0, &error);
    r->save_seconds = std::min(r->save_seconds, Since(start));
    if (!ok) return false;
  }
  std::remove(path.c_str());
  std::remove(saved.c_str());
  return true;
}

}  // namespace

int main() {
  Result small, large;
  if (!Measure(5000, 7, &small) || !Measure(50000, 3, &large)) {
    std::fprintf(stderr, "benchmark script could not be written, loaded or saved\n");
    return 1;
  }
  std::printf("%8s %12s %10s %14s %10s %14s %14s\n", "steps", "file bytes", "load ms", "load steps/s", "save ms",
              "save steps/s", "bytes/step");
  for (const Result* r : {&small, &large}) {
    std::printf("%8d %12ld %10.1f %14.0f %10.1f %14.0f %14.0f\n", r->steps, r->file_bytes, r->load_seconds * 1000,
                r->steps / r->load_seconds, r->save_seconds * 1000, r->steps / r->save_seconds, r->bytes_per_step);
  }
  std::printf("ratio 50k/5k: load time %.2f, save time %.2f, bytes per step %.2f (10 steps ratio: linear = 10.00)\n",
              large.load_seconds / small.load_seconds, large.save_seconds / small.save_seconds,
              large.bytes_per_step / small.bytes_per_step);
  return 0;
}
