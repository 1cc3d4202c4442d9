#!/usr/bin/env bash
# Runs the benchmarks: the script file, evaluator, field expansion, run loop
# and file-line benchmarks in an optimized native build without sanitizers (build/bench) with
# Google Benchmark and plain timings, then the Windows build of the timings
# under Wine, then the real Zelomat.exe running long scripts under Wine against
# the run engine alone measured in the same run, then typing into an edit
# control under Wine.
#   scripts/bench.sh            everything
#   scripts/bench.sh program    only the engine alone and the real program
#   scripts/bench.sh waits      only the waits of the real program: processor
#                               time of waits that never succeed, how soon one passes
#   scripts/bench.sh editor     only the editor: opening, scrolling and selecting
#                               in a 50,000-step script, and its memory
# ZELO_BENCH_PROGRAM=path/to/Zelomat.exe times another build of the program
# (an older one, for a before-and-after) against this tree's engine alone.
set -euo pipefail
ZELO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ZELO_ROOT"

# Xvfb and Wine before the first Wine call; the benchmarks build what they need.
scripts/setup.sh --no-build
source scripts/wine-env.sh
mode=${1:-all}

if [ "$mode" = all ]; then
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

echo "== native: ReadFileLine over a 100 MB text file, lines 1..n in order"
cmake --build build/bench --target file_lines_timing
build/bench/bench/file_lines_timing

echo "== Windows build under Wine: ratios"
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$ZELO_ROOT/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/win --target script_file_ratios
scripts/wine-exec.sh build/win/bench/script_file_ratios.exe
echo "== Windows build under Wine: ReadFileLine over a 100 MB text file"
cmake --build build/win --target file_lines_timing
scripts/wine-exec.sh build/win/bench/file_lines_timing.exe

echo "== field expansion with its store calls counted: native on memory, then Windows on the registry under Wine"
cmake --build build/bench --target expand_store_timing
build/bench/bench/expand_store_timing
cmake --build build/win --target expand_store_timing
scripts/wine-exec.sh build/win/bench/expand_store_timing.exe

echo "== screen search over frames of three sizes: native, then the Windows build under Wine"
cmake --build build/bench --target screen_search_timing
build/bench/bench/screen_search_timing
cmake --build build/win --target screen_search_timing screen_capture_timing
scripts/wine-exec.sh build/win/bench/screen_search_timing.exe
echo "== screen capture and capture + search on the Xvfb screen under Wine"
scripts/wine-exec.sh build/win/bench/screen_capture_timing.exe

echo "== run loop: native (Google Benchmark), then the standard-clock timing"
cmake --build build/bench --target run_loop_bench run_loop_timing
build/bench/bench/run_loop_bench --benchmark_min_time=1
build/bench/bench/run_loop_timing

echo "== window lookups: Windows build under Wine, 20 and 200 windows of 10 controls"
cmake --build build/win --target window_lookup_timing
scripts/wine-exec.sh build/win/bench/window_lookup_timing.exe
fi

# The run engine alone in the Windows build: the baseline of the program's
# figures (the editor's figures have their own baseline).
if [ "$mode" != editor ]; then
echo "== run loop: Windows build under Wine (the engine alone)"
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$ZELO_ROOT/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/win --target run_loop_timing Zelomat
engine_out=$(scripts/wine-exec.sh build/win/bench/run_loop_timing.exe 2>/dev/null)
echo "$engine_out"
engine_off=$(awk '/run loop, logging off/ { print $(NF-1) }' <<<"$engine_out")
fi
engine_off=${engine_off:-}

# The real program end to end under Wine. Each script is timed against the
# same script whose first step ends the run at once (a breakpoint, or "Exit
# Zelomat" where the window stays open), so start, load and end cancel out
# and the difference is the run itself; best of three.
[ "$mode" = editor ] || echo "== Zelomat.exe under Wine: ratios to the engine alone ($engine_off steps/s, logging off)"
bench_dir=$(mktemp -d)
program=${ZELO_BENCH_PROGRAM:-build/win/ui/Zelomat.exe}
# The runs change settings (their own log file, logging on and off, the
# variables, the defaults a first start writes): the program's whole key is
# saved first and put back on any exit, Ctrl-C included, so that a value
# that was absent is absent again.
settings_key='HKCU\Software\Zelomat'
had_settings=0
if wine reg query "$settings_key" >/dev/null 2>&1; then
  had_settings=1
  wine reg export "$settings_key" "$(winepath -w "$bench_dir/settings.reg" 2>/dev/null)" >/dev/null 2>&1 ||
    { echo "bench: could not save the settings under $settings_key" >&2; exit 1; }
fi
restore_settings() {
  local kept=
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
  if [ "$had_settings" = 1 ] && ! wine reg import "$(winepath -w "$bench_dir/settings.reg" 2>/dev/null)" >/dev/null 2>&1; then
    echo "bench: could not put the settings back; they are saved in $bench_dir/settings.reg" >&2
    kept=1
  fi
  rm -f "$WINEPREFIX/drive_c/zelo_bench_log.txt"
  [ -n "$kept" ] || rm -rf "$bench_dir"
}
trap restore_settings EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
if [ "$mode" = waits ]; then
  echo "== waits of Zelomat.exe /r under Wine"
  cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ZELO_ROOT/cmake/mingw-w64.cmake" >/dev/null
  cmake --build build/win --target wait_timing Zelomat
  echo "== load average: $(cut -d" " -f1-3 /proc/loadavg) on $(nproc) CPUs"
  scripts/wine-exec.sh build/win/bench/wait_timing.exe "$(winepath -w build/win/ui/Zelomat.exe 2>/dev/null)"
  # Under Wine much of a try's work (file and window queries) is done by the
  # wineserver: the whole cost of a wait is the program's processor time plus
  # the server's, less that of the same run with a time-out of 0.
  wineserver_ticks() {
    local id p
    id="server-$(stat -c %D "$WINEPREFIX")-$(printf '%x' "$(stat -c %i "$WINEPREFIX")")"
    for p in $(pgrep -x wineserver64; pgrep -x wineserver); do
      if [[ "$(readlink "/proc/$p/cwd")" == */"$id" ]]; then awk '{ print $14 + $15 }' "/proc/$p/stat"; return; fi
    done
    echo 0
  }
  wait_cost() {  # ACTION TEXT TIMEOUT: milliseconds of processor time, program and server
    printf '<?xml version="1.0" ?>\r\n<Zelomat>\r\n<step>\r\n\t<action>%s</action>\r\n\t<text>%s</text>\r\n\t<timeout>%s</timeout>\r\n\t<onfail value="" image="0" log="0">Ignore/Continue</onfail>\r\n</step>\r\n</Zelomat>' \
      "$1" "$2" "$3" >"$bench_dir/wait.zxm"
    local s0 s1 t
    s0=$(wineserver_ticks)
    t=$( { TIMEFORMAT='%U %S'; time wine build/win/ui/Zelomat.exe /r "$(winepath -w "$bench_dir/wait.zxm" 2>/dev/null)" \
      </dev/null >/dev/null 2>&1; } 2>&1)
    s1=$(wineserver_ticks)
    awk -v t="$t" -v s="$((s1 - s0))" -v hz="$(getconf CLK_TCK)" 'BEGIN { split(t, c, " "); print (c[1] + c[2]) * 1000 + s * 1000 / hz }'
  }
  # A 2 x 2 bitmap of colours the desktop does not show: the image wait
  # searches the whole screen on every try and never finds it.
  printf 'BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0\x10\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' >"$bench_dir/absent.bmp"
  printf '\x13\x57\x9b\x24\x68\xac\0\0\x31\x75\xb9\x42\x86\xca\0\0' >>"$bench_dir/absent.bmp"
  absent_bmp=$(winepath -w "$bench_dir/absent.bmp" 2>/dev/null)
  for wait in "Wait for File to Exist|C:\\no such file.txt" "Wait for Window to Appear|No such window anywhere" \
    "Wait for Image to Appear|$absent_bmp"; do
    action=${wait%%|*} text=${wait#*|}
    full=$(wait_cost "$action" "$text" 5)
    none=$(wait_cost "$action" "$text" 0)
    awk -v a="$action" -v f="$full" -v n="$none" 'BEGIN {
      printf "%s, 5 s, never there, program and wineserver: %.0f ms of processor time (%.1f %% of one core)\n", a, f - n, (f - n) / 50 }'
  done
  exit 0
fi
if [ "$mode" = editor ]; then
  echo "== the editor of Zelomat.exe under Wine: a 50,000-step script"
  cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ZELO_ROOT/cmake/mingw-w64.cmake" >/dev/null
  cmake --build build/win --target editor_timing Zelomat
  echo "== load average: $(cut -d" " -f1-3 /proc/loadavg) on $(nproc) CPUs"
  scripts/wine-exec.sh build/win/bench/editor_timing.exe "$(winepath -w build/win/ui/Zelomat.exe 2>/dev/null)"
  exit 0
fi
write_script() {  # FILE STEPS ACTION FIELD FIRST-STATUS [LAST-ACTION] [RUNS]
  # With RUNS, a first "Set Run Repeats" step runs the script that many
  # times from one load, so that the run outweighs the start's jitter; the
  # idle script's breakpoint then sits on that step.
  awk -v n="$2" -v action="$3" -v field="$4" -v first="$5" -v last="${6:-}" -v runs="${7:-0}" 'BEGIN {
    printf "<?xml version=\"1.0\" ?>\r\n<Zelomat>\r\n"
    if (runs > 0) {
      printf "<step>\r\n\t<action>Set Run Repeats</action>\r\n\t<text>%d</text>\r\n", runs
      if (first != 0) printf "\t<status>%d</status>\r\n", first
      printf "</step>\r\n"
      first = 0
    }
    for (i = 1; i <= n; i++) {
      printf "<step>\r\n\t<action>%s</action>\r\n\t<%s>step %d</%s>\r\n", action, field, i, field
      if (i == 1 && first != 0) printf "\t<status>%d</status>\r\n", first
      printf "</step>\r\n"
    }
    if (last != "") printf "<step>\r\n\t<action>%s</action>\r\n</step>\r\n", last
    printf "</Zelomat>"
  }' >"$1"
}
seconds() {  # ARGUMENTS...
  local start end
  start=$(date +%s.%N)
  wine "$program" "$@" </dev/null >/dev/null 2>&1
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}
winpath() { echo "Z:${1//\//\\}"; }
report() {  # LABEL STEPS "RUN-SECONDS..." "IDLE-SECONDS..."
  awk -v label="$1" -v steps="$2" -v runs="$3" -v idles="$4" -v engine="$engine_off" 'BEGIN {
    n = split(runs, r, " "); split(idles, i, " ")
    best_r = r[1]; best_i = i[1]
    for (k = 2; k <= n; k++) { if (r[k] < best_r) best_r = r[k]; if (i[k] < best_i) best_i = i[k] }
    run = best_r - best_i; if (run < 0.001) run = 0.001
    rate = steps / run
    printf "%-44s whole %6.2f s, idle %6.2f s, run %6.2f s = %8.0f steps/s = 1/%.1f of the engine alone\n",
      label, best_r, best_i, run, rate, engine / rate
  }'
}
wine reg add "$settings_key" /v Logfile /t REG_SZ /d 'C:\zelo_bench_log.txt' /f >/dev/null 2>&1

# /r, 50,000 "Comment" steps run ten times, logging off and on.
write_script "$bench_dir/run.zxm" 50000 Comment comment 0 "" 10
write_script "$bench_dir/idle.zxm" 50000 Comment comment 2 "" 10
for switch in /f /L; do
  runs=() idles=()
  for _ in 1 2 3; do
    runs+=("$(seconds /r "$(winpath "$bench_dir/run.zxm")" "$switch")")
    idles+=("$(seconds /r "$(winpath "$bench_dir/idle.zxm")" "$switch")")
  done
  label=$([ "$switch" = /f ] && echo "/r 10 x 50000 Comment, logging off" || echo "/r 10 x 50000 Comment, logging to a file")
  report "$label" 500010 "${runs[*]}" "${idles[*]}"
done

# /r, 20,000 "IF Expression" steps whose text is a typical field: five
# registry variables, date tokens and an inline function (always true).
variables='HKCU\Software\Zelomat\UserVariables'
for pair in order_id=A10042 customer=Smith order_total=99.50 order_state=shipped item=book; do
  wine reg add "$variables" /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null 2>&1
done
field='Order %order_id for %customer on %dddd, %mmmm %dd, %yyyy: %order_total EUR, Uppercase(%order_state), %item'
write_field_script() {  # FILE FIRST-STATUS (five runs, as above)
  awk -v field="$field" -v first="$2" 'BEGIN {
    printf "<?xml version=\"1.0\" ?>\r\n<Zelomat>\r\n"
    printf "<step>\r\n\t<action>Set Run Repeats</action>\r\n\t<text>5</text>\r\n"
    if (first != 0) printf "\t<status>%d</status>\r\n", first
    printf "</step>\r\n"
    for (i = 1; i <= 20000; i++)
      printf "<step>\r\n\t<action>IF Expression</action>\r\n\t<text>%s</text>\r\n</step>\r\n", field
    printf "</Zelomat>"
  }' >"$1"
}
write_field_script "$bench_dir/fields.zxm" 0
write_field_script "$bench_dir/fields_idle.zxm" 2
runs=() idles=()
for _ in 1 2 3; do
  runs+=("$(seconds /r "$(winpath "$bench_dir/fields.zxm")" /f)")
  idles+=("$(seconds /r "$(winpath "$bench_dir/fields_idle.zxm")" /f)")
done
report "/r 5 x 20000 fields, 5 registry variables" 100005 "${runs[*]}" "${idles[*]}"

# /v: the same 50,000 "Comment" steps run in the shown editor, which the
# last step closes; the idle script closes it at its first step.
write_script "$bench_dir/shown.zxm" 50000 Comment comment 0 "Exit Zelomat"
{
  printf '<?xml version="1.0" ?>\r\n<Zelomat>\r\n<step>\r\n\t<action>Exit Zelomat</action>\r\n</step>\r\n'
  sed -n '3,$p' "$bench_dir/shown.zxm"
} >"$bench_dir/shown_idle.zxm"
runs=() idles=()
for _ in 1 2 3; do
  runs+=("$(seconds /v "$(winpath "$bench_dir/shown.zxm")" /f)")
  idles+=("$(seconds /v "$(winpath "$bench_dir/shown_idle.zxm")" /f)")
done
report "/v 50000 Comment shown, logging off" 50000 "${runs[*]}" "${idles[*]}"

# Typing: a "Type" step of 1,000 and 10,000 characters into an edit control of
# the key recorder, from the step's start until the last character is there.
if [ "$mode" = all ]; then
  echo "== Zelomat.exe /r under Wine: typing into an edit control"
  cmake --build build/win --target wine_tests
  scripts/wine-exec.sh build/win/tests/wine/wine_tests.exe build/win/ui/Zelomat.exe \
    --gtest_also_run_disabled_tests --gtest_filter='TypingBench.*'
fi
