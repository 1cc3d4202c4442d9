#!/usr/bin/env bash
# Starts the editor under Xvfb and Wine with an example script and saves
# pictures of it into docs/screenshots/: the main window, the Properties
# palette on a "Type" step, the Options sheet and a "Run Failure" box.
#   scripts/screenshots.sh
set -euo pipefail
ZELO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ZELO_ROOT"
mkdir -p build
scripts/setup.sh >/dev/null 2>build/setup.log || {
  cat build/setup.log >&2
  exit 1
}
source scripts/wine-env.sh
# ImageMagick's import takes the pictures; installed here when missing
# (only this script needs it).
if ! command -v import >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "screenshots: installing imagemagick" >&2
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick >&2
fi
out=docs/screenshots
mkdir -p "$out"
exe=build/win/ui/Zelomat.exe
driver=build/win/tests/wine/programs/editor_driver.exe
to_windows() {
  local p
  p=$(realpath -m "$1")
  printf 'Z:%s' "${p//\//\\}"
}
shot() { # name rectangle
  import -window root -crop "$2" +repage "$out/$1.png"
  echo "screenshots: $out/$1.png" >&2
}

# No splash over the pictures; a window of a size that reads well.
wine reg add 'HKCU\Software\Zelomat' /v ShowSplash /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Zelomat' /v LastTab /t REG_DWORD /d 0 /f >/dev/null 2>&1
for v in Left:40 Top:20 Right:1240 Bottom:820; do
  wine reg add 'HKCU\Software\Zelomat' /v "${v%%:*}" /t REG_DWORD /d "${v##*:}" /f >/dev/null 2>&1
done

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

wine "$exe" /e "$(to_windows examples/notepad_typing.zxm)" </dev/null >/dev/null 2>&1 &
pids+=($!)
main=$(wine "$driver" main | tr -d '\r')
# The fourth step is the first "Type" step.
wine "$driver" select 3 >/dev/null
sleep 1 # the palettes paint after the selection's notice
shot main_window "$main"
shot properties_palette "$(wine "$driver" pane Properties | tr -d '\r')"

wine "$driver" command 265 # Options
# The sheet, or what this build says in its place.
rect=$(wine "$driver" window "Zelomat Options" | tr -d '\r') ||
  rect=$(wine "$driver" window "Zelomat Warning" | tr -d '\r')
shot options_sheet "$rect"
wine "$driver" close "Zelomat Options" >/dev/null 2>&1 || wine "$driver" close "Zelomat Warning" >/dev/null 2>&1 || true
cleanup
pids=()

# A step that fails with the default failure mode: "Run Failure".
failing=$(mktemp --suffix=.zxm)
printf '<?xml version="1.0" ?>\r\n<Zelomat>\r\n<step>\r\n\t<action>Goto Label</action>\r\n\t<text>nowhere</text>\r\n</step>\r\n</Zelomat>' >"$failing"
wine "$exe" /v "$(to_windows "$failing")" </dev/null >/dev/null 2>&1 &
pids+=($!)
shot run_failure "$(wine "$driver" window "Run Failure" | tr -d '\r')"
wine "$driver" close "Run Failure" >/dev/null 2>&1 || true
rm -f "$failing"
