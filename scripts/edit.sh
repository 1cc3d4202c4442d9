#!/usr/bin/env bash
# Opens the editor on a script under the project's Xvfb and Wine:
#   scripts/edit.sh [SCRIPT.zxm]
# Sets the machine up when needed and runs "Zelomat.exe /e SCRIPT" (the
# editor with the script open, nothing run) until the window is closed. The
# display is the project's Xvfb (or ZELO_DISPLAY): watch it with a VNC server
# on that display, or take pictures with `import -window root`.
set -euo pipefail
ZELO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mkdir -p "$ZELO_ROOT/build"
"$ZELO_ROOT/scripts/setup.sh" >/dev/null 2>"$ZELO_ROOT/build/setup.log" || {
  cat "$ZELO_ROOT/build/setup.log" >&2
  exit 1
}
source "$ZELO_ROOT/scripts/wine-env.sh"

args=()
if [ $# -ge 1 ]; then
  # A host path becomes the Windows path Wine sees (the host root is drive Z:).
  p=$(realpath -m "$1")
  args=(/e "Z:${p//\//\\}")
  shift
fi
echo "edit: the editor runs on display $DISPLAY; close its window to end" >&2
exec wine "$ZELO_ROOT/build/win/ui/Zelomat.exe" "${args[@]}" "$@" </dev/null \
  2> >(grep -v --line-buffered 'FS volume label and serial are not available' >&2)
