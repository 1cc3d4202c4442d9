#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) in build/fuzz and
# fuzzes the script reader for the given number of seconds (default 600).
# New inputs collect in build/fuzz/corpus; crashes land in build/fuzz/artifacts.
set -euo pipefail
ZELO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ZELO_ROOT"
SECONDS_TO_RUN=${1:-600}

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DZELO_FUZZ=ON >/dev/null
cmake --build build/fuzz --target script_reader_fuzz
mkdir -p build/fuzz/corpus build/fuzz/artifacts
build/fuzz/fuzz/script_reader_fuzz build/fuzz/corpus fuzz/corpus \
  -max_total_time="$SECONDS_TO_RUN" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1
