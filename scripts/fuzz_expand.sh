#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) in build/fuzz and
# fuzzes field expansion for the given number of seconds (default 600).
# New inputs collect in build/fuzz/corpus_expand; crashes land in
# build/fuzz/artifacts_expand.
set -euo pipefail
ZELO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ZELO_ROOT"
SECONDS_TO_RUN=${1:-600}

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DZELO_FUZZ=ON >/dev/null
cmake --build build/fuzz --target expand_fuzz
mkdir -p build/fuzz/corpus_expand build/fuzz/artifacts_expand
build/fuzz/fuzz/expand_fuzz build/fuzz/corpus_expand fuzz/corpus_expand \
  -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix=build/fuzz/artifacts_expand/ -print_final_stats=1
