#!/usr/bin/env bash
# End-to-end checks of zxm check: block findings, missing labels, exit codes.
# Usage: check_test.sh ZXM
set -u
ZXM=$1
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

script() {  # file, then one action[:text] per step
  local file=$1
  shift
  {
    printf '<?xml version="1.0" ?>\r\n<Zelomat>\r\n'
    for step in "$@"; do
      printf '<step><action>%s</action><text>%s</text></step>\r\n' "${step%%:*}" "$([[ $step == *:* ]] && echo "${step#*:}")"
    done
    printf '</Zelomat>\r\n'
  } >"$file"
}

script "$TMP/good.zxm" "Start 'For' Loop:3" "IF Expression:1" "Comment" "ELSE" "END IF" "NEXT LOOP"
out=$("$ZXM" check "$TMP/good.zxm")
[ $? -eq 0 ] || fail "good script: exit code not 0"
[ "$out" = "Validation of 6 step(s) complete - 0 errors found" ] || fail "good script: $out"

script "$TMP/open_if.zxm" "IF Expression:1" "Comment"
out=$("$ZXM" check "$TMP/open_if.zxm")
[ $? -eq 1 ] || fail "open IF: exit code not 1"
[ "$out" = "There is 1 'IF' without a matching 'END IF'" ] || fail "open IF: $out"

script "$TMP/loops.zxm" "NEXT LOOP" "NEXT LOOP"
out=$("$ZXM" check "$TMP/loops.zxm")
[ $? -eq 1 ] || fail "stray NEXT LOOP: exit code not 1"
[ "$out" = "There are 2 'NEXT LOOP' without a matching 'START LOOP'" ] || fail "stray NEXT LOOP: $out"

# A missing label is a warning; it does not make the blocks wrong.
script "$TMP/labels.zxm" "Goto Label:nowhere" "Goto Label:%var%" "Goto Label:HERE" "Label:here"
out=$("$ZXM" check "$TMP/labels.zxm")
[ $? -eq 0 ] || fail "labels: exit code not 0"
grep -q 'warning: \[Step 1\] Goto Label: label "nowhere" not found' <<<"$out" || fail "labels: no warning: $out"
[ "$(grep -c warning <<<"$out")" -eq 1 ] || fail "labels: only the written-out missing label is reported: $out"

"$ZXM" check "$TMP/missing.zxm" >/dev/null 2>&1
[ $? -eq 1 ] || fail "missing file: exit code not 1"
"$ZXM" check >/dev/null 2>&1
[ $? -eq 2 ] || fail "no file: exit code not 2"

[ $failures -eq 0 ] && echo "zxm check: all checks passed"
exit $failures
