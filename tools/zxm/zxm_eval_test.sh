#!/usr/bin/env bash
# End-to-end checks of zxm eval and zxm cond: the value text, the condition
# as 1 or 0, exit codes.
# Usage: zxm_eval_test.sh ZXM
set -u
ZXM=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expect() {  # expected output, then the zxm arguments
  local want=$1
  shift
  local got
  got=$("$ZXM" "$@" 2>&1)
  local rc=$?
  [ $rc -eq 0 ] || fail "zxm $*: exit $rc"
  [ "$got" = "$want" ] || fail "zxm $*: got '$got', want '$want'"
}

expect 14 eval '2+3*4'
expect 0 eval '1+2+-3'
expect 0.3 eval '0.1+0.2'
expect 3 eval 1 + 2            # arguments are joined
expect 'Bad Operator: (' eval '1+(2'
expect inf eval '1/0'
expect nan eval '0/0'
expect '' eval 'CALC'
expect 2 eval 'CALC(1+1)'

expect 1 cond '10 > 9'
expect 0 cond '10 > 9a'
expect 0 cond 'abc != ABC'
expect 1 cond abc = abc
expect 0 cond 0

"$ZXM" eval 2>/dev/null
[ $? -eq 2 ] || fail "eval without EXPR: exit code not 2"
"$ZXM" cond 2>/dev/null
[ $? -eq 2 ] || fail "cond without TEXT: exit code not 2"

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "all zxm eval and cond checks passed"
