#!/usr/bin/env bash
# Runs the script file, evaluator and field expansion benchmarks: an optimized native build without
# sanitizers (build/bench) with Google Benchmark and the ratio run, then the
# Windows build of the ratio run under Wine.
set -euo pipefail
ZELO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ZELO_ROOT"

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELO_SANITIZE=OFF >/dev/null
cmake --build build/bench --target script_file_bench script_file_ratios bench_evaluator bench_expand
echo "== load average: $(cut -d" " -f1-3 /proc/loadavg) on $(nproc) CPUs"
echo "== native: Google Benchmark (steps/s over process CPU time)"
build/bench/bench/script_file_bench --benchmark_min_time=1
echo "== native: ratios"
build/bench/bench/script_file_ratios
echo "== native: expression evaluator (against reading and printing one number with the C library)"
build/bench/bench/bench_evaluator --benchmark_min_time=1
echo "== native: field expansion (against a field of the same length without tokens)"
build/bench/bench/bench_expand --benchmark_min_time=1

echo "== Windows build under Wine: ratios"
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$ZELO_ROOT/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/win --target script_file_ratios
scripts/wine-exec.sh build/win/bench/script_file_ratios.exe
