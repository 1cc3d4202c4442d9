#!/usr/bin/env bash
# Runs a Windows program of the project under the project's Wine prefix and
# display, passing its exit code through. Used by ctest for the Windows build.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec wine "$@"
