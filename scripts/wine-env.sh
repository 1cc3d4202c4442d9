# Sourced by the project's scripts: the Wine and X settings every Wine process
# of the project uses. The prefix lives in the git-ignored build folder.
ZELO_ROOT=${ZELO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX="$ZELO_ROOT/build/wineprefix"
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:-fixme-all,err-all}
export DISPLAY=${ZELO_DISPLAY:-:73}
