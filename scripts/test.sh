#!/usr/bin/env bash
# Runs every test: the check that only the owners give Win32 resources back,
# the native unit tests (under ASan/UBSan) and the Windows build's tests under
# Wine. Sets up the machine first when needed.
set -euo pipefail
ZELO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
echo "== Win32 resources given back only by their owners"
"$ZELO_ROOT/scripts/check-owners.sh"
"$ZELO_ROOT/scripts/setup.sh"
cd "$ZELO_ROOT"
echo "== native tests"
ctest --test-dir build/native --output-on-failure
echo "== Windows tests under Wine"
ctest --test-dir build/win --output-on-failure
