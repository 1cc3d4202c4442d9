# Sourced by the project's scripts: the Wine and X settings every Wine process
# of the project uses. The prefix lives in the git-ignored build folder.
ZELO_ROOT=${ZELO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX="$ZELO_ROOT/build/wineprefix"
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's error lines stay on: a missing DLL must show, not end a program
# silently (exit code 53).
export WINEDEBUG=${WINEDEBUG:-fixme-all}
# The display: the one ZELO_DISPLAY names, else the project's own Xvfb that
# scripts/setup.sh started and recorded in build/xvfb ("DISPLAY PID").
if [ -n "${ZELO_DISPLAY:-}" ]; then
  export DISPLAY=$ZELO_DISPLAY
elif [ -r "$ZELO_ROOT/build/xvfb" ]; then
  read -r DISPLAY _ <"$ZELO_ROOT/build/xvfb" || true
  export DISPLAY
else
  echo "wine-env: no display yet; run scripts/setup.sh first (or set ZELO_DISPLAY)" >&2
fi
