#!/usr/bin/env bash
# End-to-end checks of zxm expand: variables, tokens, functions, exit codes.
# Usage: expand_test.sh ZXM
set -u
ZXM=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() {  # expected output, then the arguments
  local want=$1
  shift
  local got
  got=$("$ZXM" expand "$@" 2>&1) || fail "expand $*: exit $?"
  [ "$got" = "$want" ] || fail "expand $*: got '$got', want '$want'"
}

expect "5 and 5s" '%counter and %counters' counter=5
expect "100% MB: 0+64" '100%% MB: MB_OK+MB_ICONINFORMATION'
expect "ABC 3 20" 'Uppercase(%x) Length(%x) CALC((2+3)*4)' '%x=abc'
expect "$(date +%Y)" '%yyyy'
expect "hi%" '%a%' a=hi
HOME_FOR_TEST=/nowhere expect "/nowhere/x" '%HOME_FOR_TEST%/x'
# The value is scanned again: a variable may name another.
expect "outer inner" '%o' 'o=outer %i' 'i=inner'
# Global settings apply; in local mode the variables go where tab 1 reads them.
[ "$("$ZXM" --set LocalVariables=1 expand '%counter' counter=5)" = "5" ] || fail "local mode lost the variable"
[ "$("$ZXM" --set Logfile=D:\\run.log expand '%logfile')" = 'D:\run.log' ] || fail "--set did not reach %logfile"

"$ZXM" expand 2>/dev/null
[ $? -eq 2 ] || fail "missing TEXT: exit code not 2"
"$ZXM" expand x novalue 2>/dev/null
[ $? -eq 2 ] || fail "NAME without =: exit code not 2"

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "all zxm expand checks passed"
