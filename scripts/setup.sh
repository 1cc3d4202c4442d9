#!/usr/bin/env bash
# Sets up everything Zelomat needs on a Debian 12 machine and builds it:
#   1. installs the Debian packages that are missing (nothing else is touched),
#   2. builds the native core (tests under ASan/UBSan, tools) and the Windows
#      build (Zelomat.exe and the tests) with mingw-w64,
#   3. starts Xvfb and a persistent wineserver and creates the Wine prefix
#      inside build/.
# Safe to run again and again; each run only does what is still missing.
set -euo pipefail
ZELO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ZELO_ROOT"

PACKAGES=(
  cmake make ninja-build g++ pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
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
  cmake --build build/native -- -j2 >&2
  log "building the Windows program"
  cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ZELO_ROOT/cmake/mingw-w64.cmake" >/dev/null
  cmake --build build/win -- -j2 >&2
}

# Is the desktop process of this prefix running? (Other checkouts may run their own.)
desktop_running() {
  local pid
  for pid in $(pgrep -f 'explorer.exe /desktop' 2>/dev/null); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}

start_wine() {
  source "$ZELO_ROOT/scripts/wine-env.sh"
  # The display must exist before the prefix's first Wine process starts.
  if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    log "starting Xvfb on $DISPLAY"
    rm -f "/tmp/.X${DISPLAY#:}-lock" "/tmp/.X11-unix/X${DISPLAY#:}"
    setsid Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    for _ in $(seq 1 100); do
      xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi
  # A persistent wineserver keeps each test process start cheap; its output
  # goes nowhere so that a piped test run cannot hang on it.
  mkdir -p "$WINEPREFIX"
  setsid wineserver -p </dev/null >/dev/null 2>&1 || true
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    log "creating the Wine prefix (about 10 s)"
    # wineboot returns when the prefix is ready; the persistent server stays.
    setsid wineboot -i </dev/null >/dev/null 2>&1 || true
    # Creating the prefix leaves two service managers running, each answering
    # a share of the service calls (a service one created is unknown to the
    # other): start the new prefix's server afresh, with one.
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    setsid wineserver -p </dev/null >/dev/null 2>&1 || true
  fi
  # The desktop process must belong to no test's process group: a test that
  # is killed must not take the desktop with it (windows then never appear).
  if ! desktop_running; then
    setsid wine explorer.exe /desktop </dev/null >/dev/null 2>&1 &
    for _ in $(seq 1 50); do
      desktop_running && break
      sleep 0.1
    done
  fi
}

install_missing
build
start_wine
log "ready"
