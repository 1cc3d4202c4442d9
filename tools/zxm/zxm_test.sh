#!/usr/bin/env bash
# End-to-end checks of zxm: formatting, settings, exit codes and messages.
# Usage: zxm_test.sh ZXM TESTDATA
set -u
ZXM=$1
DATA=$2
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expect_format() {  # name: IN formats to IN.expected and the expected form is stable
  local name=$1
  "$ZXM" fmt "$DATA/$name.zxm" >"$TMP/out" 2>"$TMP/err" || fail "$name: exit $?: $(cat "$TMP/err")"
  cmp -s "$TMP/out" "$DATA/$name.expected.zxm" || fail "$name: output differs from $name.expected.zxm"
  "$ZXM" fmt "$DATA/$name.expected.zxm" >"$TMP/again" || fail "$name: formatting the expected form failed"
  cmp -s "$TMP/again" "$DATA/$name.expected.zxm" || fail "$name: the expected form is not stable"
}
expect_format legacy
expect_format loose

# OUT gets the same bytes as stdout, folders are created.
"$ZXM" fmt "$DATA/legacy.zxm" "$TMP/new/dir/out.zxm" || fail "fmt IN OUT: exit $?"
cmp -s "$TMP/new/dir/out.zxm" "$DATA/legacy.expected.zxm" || fail "fmt IN OUT: file differs"

# --set goes into the settings store before loading and writing.
"$ZXM" --set EncodeXML=0 fmt "$DATA/loose.zxm" >"$TMP/raw" || fail "--set: exit $?"
grep -q $'<text>a < b & c</text>\r' "$TMP/raw" || fail "--set EncodeXML=0: text still escaped"

# A message box makes exit code 1, its text goes to stderr, the steps are still written.
"$ZXM" fmt "$TMP/missing.zxm" >"$TMP/out" 2>"$TMP/err"
[ $? -eq 1 ] || fail "missing file: exit code not 1"
grep -q "Unable to open file '$TMP/missing.zxm'!" "$TMP/err" || fail "missing file: no message on stderr"
[ "$(cat "$TMP/out")" = $'<?xml version="1.0" ?>\r\n<Zelomat>\r\n</Zelomat>' ] || fail "missing file: output"
printf '<?xml version="1.0" ?>\r\n<Zelomat><step><action>Type</action></step><step><action></action></step></Zelomat>' >"$TMP/half.zxm"
"$ZXM" fmt "$TMP/half.zxm" >"$TMP/out" 2>"$TMP/err"
[ $? -eq 1 ] || fail "empty action: exit code not 1"
grep -q "Empty <action> tag in step #2" "$TMP/err" || fail "empty action: no message"
grep -q "<action>Type</action>" "$TMP/out" || fail "empty action: the first step was not written"

# Usage errors.
"$ZXM" frobnicate 2>"$TMP/err"
[ $? -eq 2 ] || fail "unknown command: exit code not 2"
grep -qx "unknown command" "$TMP/err" || fail "unknown command: message"
"$ZXM" --set NOEQUALS fmt x 2>/dev/null
[ $? -eq 2 ] || fail "--set without =: exit code not 2"

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "all zxm checks passed"
