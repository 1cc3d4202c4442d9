#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) in build/fuzz and
# fuzzes one of them for the given number of seconds (default 600):
#   scripts/fuzz.sh [seconds] [reader|evaluator|expand|keys|color|bitmap|png]
# reader (the default) is the script reader, evaluator the expression
# evaluator and conditions, expand field expansion, keys the key-sequence
# language, color the colour texts, bitmap the BMP files and png the PNG
# files (through libpng) of the pixel and image searches. New inputs collect
# in build/fuzz/corpus (or corpus-evaluator, corpus-expand, ...); crashes
# land in build/fuzz/artifacts (or artifacts-evaluator, ...).
set -euo pipefail
ZELO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ZELO_ROOT"
SECONDS_TO_RUN=${1:-600}
TARGET=${2:-reader}

case "$TARGET" in
  reader)
    BIN=script_reader_fuzz SUFFIX= SEEDS=fuzz/corpus
    OPTIONS=(-max_len=16384)
    ;;
  evaluator)
    BIN=fuzz_evaluator SUFFIX=-evaluator SEEDS=fuzz/evaluator_seeds
    OPTIONS=(-max_len=8192 -dict=fuzz/evaluator.dict)
    ;;
  expand)
    BIN=expand_fuzz SUFFIX=-expand SEEDS=fuzz/corpus_expand
    OPTIONS=(-max_len=4096)
    ;;
  keys)
    BIN=keys_fuzz SUFFIX=-keys SEEDS=fuzz/keys_seeds
    OPTIONS=(-max_len=8192 -dict=fuzz/keys.dict)
    ;;
  color)
    BIN=color_fuzz SUFFIX=-color SEEDS=fuzz/color_seeds
    OPTIONS=(-max_len=256)
    ;;
  bitmap)
    BIN=bitmap_fuzz SUFFIX=-bitmap SEEDS=fuzz/bitmap_seeds
    OPTIONS=(-max_len=8192)
    ;;
  png)
    BIN=png_fuzz SUFFIX=-png SEEDS=fuzz/png_seeds
    OPTIONS=(-max_len=8192)
    ;;
  *)
    echo "usage: scripts/fuzz.sh [seconds] [reader|evaluator|expand|keys|color|bitmap|png]" >&2
    exit 2
    ;;
esac

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DZELO_FUZZ=ON >/dev/null
cmake --build build/fuzz --target "$BIN"
mkdir -p "build/fuzz/corpus$SUFFIX" "build/fuzz/artifacts$SUFFIX"
"build/fuzz/fuzz/$BIN" "build/fuzz/corpus$SUFFIX" "$SEEDS" \
  -max_total_time="$SECONDS_TO_RUN" "${OPTIONS[@]}" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="build/fuzz/artifacts$SUFFIX/" -print_final_stats=1
