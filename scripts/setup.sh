#!/usr/bin/env bash
# Sets up everything Zelomat needs on a Debian 12 machine and builds it:
#   1. installs the Debian packages that are missing (nothing else is touched),
#   2. builds the native core (tests under ASan/UBSan, tools) and the Windows
#      build (Zelomat.exe and the tests) with mingw-w64,
#   3. starts Xvfb and a persistent wineserver and creates the Wine prefix
#      inside build/.
# Safe to run again and again; each run only does what is still missing.
# --no-build does steps 1 and 3 only (for scripts that build what they need).
set -euo pipefail
ZELO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ZELO_ROOT"

PACKAGES=(
  cmake make ninja-build g++ pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev libpng-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
  wine wine64 xvfb x11-utils xauth procps
)

log() { printf '[setup] %s\n' "$*" >&2; }

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing: ${missing[*]}"
  local sudo=
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq >&2
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

build() {
  log "building the native core"
  cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/native -- -j"$(nproc)" >&2
  log "building the Windows program"
  cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ZELO_ROOT/cmake/mingw-w64.cmake" >/dev/null
  cmake --build build/win -- -j"$(nproc)" >&2
}

die() {
  printf '[setup] ERROR: %s\n' "$*" >&2
  exit 1
}

# How long to wait for Xvfb and for the Wine desktop; a loaded machine has
# taken 15 s for the desktop.
X_WAIT=${ZELO_X_WAIT:-30}
DESKTOP_WAIT=${ZELO_DESKTOP_WAIT:-90}
# The project's own Xvfb: "DISPLAY PID", and the server's output.
XVFB_STATE="$ZELO_ROOT/build/xvfb"
XVFB_LOG="$ZELO_ROOT/build/xvfb.log"

x_answers() { xdpyinfo -display "$1" >/dev/null 2>&1; }

# The pid written in display N's lock file; empty when there is none.
lock_pid() { [ -r "/tmp/.X$1-lock" ] && tr -dc '0-9' <"/tmp/.X$1-lock" || true; }

# Prints the display of the project's own Xvfb when that server still runs
# and answers: the lock file of its display names the recorded process, and
# that process is an Xvfb for that display.
own_display() {
  local display pid
  [ -r "$XVFB_STATE" ] || return 1
  read -r display pid <"$XVFB_STATE" || return 1
  [ -n "$display" ] && [ -n "$pid" ] || return 1
  [ "$(lock_pid "${display#:}")" = "$pid" ] || return 1
  tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q "^[^ ]*Xvfb $display " || return 1
  x_answers "$display" || return 1
  echo "$display"
}

# Starts Xvfb on the display and waits until it answers, then records it as
# the project's own. Returns 1 when the server ended at its start (another
# server holds the display); dies when it neither answers nor ends in time.
start_xvfb() {
  local display=$1 server deadline pid
  log "starting Xvfb on $display"
  # -w: the background job lives exactly as long as the server.
  setsid -w Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$XVFB_LOG" 2>&1 &
  server=$!
  deadline=$((SECONDS + X_WAIT))
  until x_answers "$display"; do
    kill -0 "$server" 2>/dev/null || return 1
    if [ "$SECONDS" -ge "$deadline" ]; then
      kill "$server" 2>/dev/null || true
      die "Xvfb did not start on display $display within $X_WAIT s; its output is in $XVFB_LOG"
    fi
    sleep 0.1
  done
  pid=$(lock_pid "${display#:}")
  echo "$display $pid" >"$XVFB_STATE"
}

# Chooses the display: ZELO_DISPLAY when set (a server already there is used
# as it is), else the project's own Xvfb when it still runs, else a new Xvfb
# on the first free display from :100 on. A lock file of another server is
# never touched; Xvfb itself clears lock files whose server has died.
choose_display() {
  local n pid
  mkdir -p "$ZELO_ROOT/build"
  if [ -n "${ZELO_DISPLAY:-}" ]; then
    x_answers "$ZELO_DISPLAY" && return 0
    n=${ZELO_DISPLAY#:}
    pid=$(lock_pid "$n")
    # A lock whose process is gone, or whose number now belongs to some other
    # program, is stale: Xvfb clears it itself.
    if [ -n "$pid" ] && [[ "$(cat "/proc/$pid/comm" 2>/dev/null)" == X* ]]; then
      die "display $ZELO_DISPLAY (ZELO_DISPLAY) belongs to another X server (pid $pid in /tmp/.X$n-lock) that does not answer; choose another ZELO_DISPLAY or unset it"
    fi
    start_xvfb "$ZELO_DISPLAY" ||
      die "Xvfb did not start on display $ZELO_DISPLAY (ZELO_DISPLAY): $(tail -n 3 "$XVFB_LOG")"
    return 0
  fi
  own_display >/dev/null && return 0
  for n in $(seq 100 399); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    start_xvfb ":$n" && return 0
  done
  die "Xvfb did not start: no free display between :100 and :399 (last output: $(tail -n 3 "$XVFB_LOG"))"
}

# Pids of the desktop processes of this prefix (other checkouts may run
# their own), each with the display it uses: "PID DISPLAY".
prefix_desktops() {
  local pid env
  for pid in $(pgrep -f 'explorer.exe /desktop' 2>/dev/null); do
    env=$(tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null) || continue
    grep -qx "WINEPREFIX=$WINEPREFIX" <<<"$env" || continue
    echo "$pid $(sed -n 's/^DISPLAY=//p' <<<"$env")"
  done
}

desktop_running() { prefix_desktops | grep -q " $DISPLAY\$"; }

# The desktop has started once Wine shows its process under its Windows name
# ("C:\windows\system32\explorer.exe /desktop"); before that it is a loader.
desktop_started() {
  local pid display
  while read -r pid display; do
    [ "$display" = "$DISPLAY" ] && tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q '^[A-Za-z]:\\' && return 0
  done < <(prefix_desktops)
  return 1
}

start_wine() {
  source "$ZELO_ROOT/scripts/wine-env.sh"
  mkdir -p "$WINEPREFIX"
  # The prefix's processes must all use this display: a desktop left on
  # another one (the project's Xvfb was started anew) ends with its server.
  if prefix_desktops | grep -qv " $DISPLAY\$"; then
    log "the Wine prefix ran on another display; restarting its wineserver"
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
  fi
  # A persistent wineserver keeps each test process start cheap; its output
  # goes nowhere so that a piped test run cannot hang on it.
  setsid wineserver -p </dev/null >/dev/null 2>&1 || true
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    log "creating the Wine prefix (about 10 s)"
    # wineboot returns when the prefix is ready; the persistent server stays.
    setsid wineboot -i </dev/null >"$ZELO_ROOT/build/wineboot.log" 2>&1 || true
    # Creating the prefix leaves two service managers running, each answering
    # a share of the service calls (a service one created is unknown to the
    # other): start the new prefix's server afresh, with one. The ending
    # server writes the registry files.
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    [ -f "$WINEPREFIX/system.reg" ] ||
      die "the Wine prefix was not created in $WINEPREFIX; wineboot's output is in build/wineboot.log"
    setsid wineserver -p </dev/null >/dev/null 2>&1 || true
  fi
  # The desktop process must belong to no test's process group: a test that
  # is killed must not take the desktop with it (windows then never appear).
  if ! desktop_running; then
    local desktop deadline
    local desktop_log="$ZELO_ROOT/build/wine-desktop.log"
    log "starting the Wine desktop on $DISPLAY"
    setsid -w wine explorer.exe /desktop </dev/null >"$desktop_log" 2>&1 &
    desktop=$!
    deadline=$((SECONDS + DESKTOP_WAIT))
    until desktop_started; do
      kill -0 "$desktop" 2>/dev/null ||
        die "the Wine desktop (explorer.exe /desktop) ended at its start; its output is in build/wine-desktop.log"
      [ "$SECONDS" -lt "$deadline" ] ||
        die "the Wine desktop (explorer.exe /desktop) did not start within $DESKTOP_WAIT s; its output is in build/wine-desktop.log"
      sleep 0.2
    done
  fi
}

case "${1:-}" in
  "") install_missing; build; choose_display; start_wine ;;
  --no-build) install_missing; choose_display; start_wine ;;
  *)
    echo "usage: scripts/setup.sh [--no-build]" >&2
    exit 2
    ;;
esac
log "ready"
