#!/usr/bin/env bash
# Runs a script unattended, as a scheduler would:
#   scripts/run.sh SCRIPT.zxm [further arguments for Zelomat.exe]
# Sets the machine up when needed, runs "Zelomat.exe /r SCRIPT" under Wine and
# Xvfb with logging on (unless /f is among the arguments), prints what this
# run wrote to the run log, and exits with the program's exit code.
set -euo pipefail
ZELO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ $# -lt 1 ]; then
  echo "usage: scripts/run.sh SCRIPT.zxm [arguments for Zelomat.exe]" >&2
  exit 2
fi
script=$1
shift
mkdir -p "$ZELO_ROOT/build"
"$ZELO_ROOT/scripts/setup.sh" >/dev/null 2>"$ZELO_ROOT/build/setup.log" || {
  cat "$ZELO_ROOT/build/setup.log" >&2
  exit 1
}
source "$ZELO_ROOT/scripts/wine-env.sh"

# A host path becomes the Windows path Wine sees (the host root is drive Z:).
to_windows() {
  local p
  p=$(realpath -m "$1")
  printf 'Z:%s' "${p//\//\\}"
}

args=(/r "$(to_windows "$script")")
logging=/L
for a in "$@"; do
  case "$a" in /f | /F | -f | -F) logging= ;; esac
done
[ -n "$logging" ] && args+=("$logging")
args+=("$@")

# The log file the run writes to: the "Logfile" setting, else the default.
logfile=$(wine reg query 'HKCU\Software\Zelomat' /v Logfile 2>/dev/null | tr -d '\r' |
  sed -n 's/^ *Logfile *REG_[A-Z_]* *//p')
[ -n "$logfile" ] || logfile='C:\ZelomatLog.txt'
logfile_unix=$(winepath -u "$logfile" 2>/dev/null || true)

# What the log held before, to tell this run's lines from older ones: a run
# either appends to the log or (with "RestartLog") starts it anew.
before=$(mktemp)
trap 'rm -f "$before"' EXIT
identity_before=
if [ -n "$logfile_unix" ] && [ -f "$logfile_unix" ]; then
  cp "$logfile_unix" "$before"
  identity_before=$(stat -c '%i %W' "$logfile_unix")
fi

set +e
# The shell's recent-documents call makes Wine complain about the Z: drive's
# volume label; that line is noise, everything else of Wine's goes through.
wine "$ZELO_ROOT/build/win/ui/Zelomat.exe" "${args[@]}" </dev/null \
  2> >(grep -v --line-buffered 'FS volume label and serial are not available' >&2)
code=$?
set -e
if [ -n "$logfile_unix" ] && [ -f "$logfile_unix" ]; then
  old_size=$(stat -c %s "$before")
  if [ "$old_size" -gt 0 ] && [ "$(stat -c '%i %W' "$logfile_unix")" = "$identity_before" ] &&
    cmp -s -n "$old_size" "$before" "$logfile_unix"; then
    tail -c +"$((old_size + 1))" "$logfile_unix" | tr -d '\r'
  else
    tr -d '\r' <"$logfile_unix"
  fi
fi
exit "$code"
