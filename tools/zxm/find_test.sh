#!/usr/bin/env bash
# End-to-end checks of zxm find-image and find-pixel on BMP and PNG files
# this script writes: positions, regions, tolerance, mask, transparency,
# exit codes and the reasons for unreadable files.
# Usage: find_test.sh ZXM
set -u
ZXM=$1
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

le32() { printf "\\\\x%02x\\\\x%02x\\\\x%02x\\\\x%02x" $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }

# bmp FILE WIDTH HEIGHT COLOUR...: a 32-bit top-down BMP; colours are
# RRGGBB, row by row.
bmp() {
  local file=$1 w=$2 h=$3
  shift 3
  {
    printf "BM$(le32 $((54 + w * h * 4)))$(le32 0)$(le32 54)"
    printf "$(le32 40)$(le32 "$w")$(le32 $((-h & 0xFFFFFFFF)))\\x01\\x00\\x20\\x00$(le32 0)$(le32 $((w * h * 4)))"
    printf "$(le32 0)$(le32 0)$(le32 0)$(le32 0)"
    for c in "$@"; do printf "\\x${c:4:2}\\x${c:2:2}\\x${c:0:2}\\x00"; done
  } >"$file"
}

# A 40 x 30 grey screen with a 3 x 2 pattern at (30, 25) and the opaque
# pixels of the PNG below at (5, 5).
W=40 H=30
declare -a px
for ((i = 0; i < W * H; i++)); do px[i]=808080; done
put() { px[$(($2 * W + $1))]=$3; }
put 30 25 FF0000; put 31 25 00FF00; put 32 25 0000FF
put 30 26 FFFFFF; put 31 26 000000; put 32 26 FFFF00
put 5 5 FF0000; put 6 5 123456; put 7 5 00FF00
put 5 6 0000FF; put 6 6 0A141E; put 7 6 FF00FF
bmp "$TMP/screen.bmp" $W $H "${px[@]}"
bmp "$TMP/needle.bmp" 3 2 FF0000 00FF00 0000FF FFFFFF 000000 FFFF00
bmp "$TMP/masked.bmp" 3 2 FF0000 00FF00 0000FF FFFFFF FF00FF FFFF00
# 3 x 2 RGBA: red, transparent, green / blue, (10, 20, 30), transparent.
RGBA='\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x03\x00\x00\x00\x02\x08\x06\x00\x00\x00\x9d\x74\x66\x1a\x00\x00\x00\x1c\x49\x44\x41\x54\x78\xda\x63\xf8\xcf\xc0\x00\x44\x0c\x20\x12\x44\xff\xff\xcf\x25\x22\xf7\x9f\x93\x93\x93\x01\x00\x66\x96\x07\x51\xbe\xe1\x56\xd9\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82'
printf "$RGBA" >"$TMP/rgba.png"
head -c 60 "$TMP/rgba.png" >"$TMP/cut.png"

expect() {  # name, expected exit code, expected stdout, command...
  local name=$1 code=$2 want=$3
  shift 3
  local out
  out=$("$ZXM" "$@" 2>"$TMP/err")
  local got=$?
  [ "$got" -eq "$code" ] || fail "$name: exit code $got, not $code ($(cat "$TMP/err"))"
  [ "$out" = "$want" ] || fail "$name: printed '$out', not '$want'"
}

expect "image" 0 "30, 25" find-image "$TMP/screen.bmp" "$TMP/needle.bmp"
grep -q "\*Find Image Size=\[3 x 2\]  Search Region=(0,0)->(39,29)" "$TMP/err" || fail "image: log lines: $(cat "$TMP/err")"
expect "start past it" 1 "" find-image "$TMP/screen.bmp" "$TMP/needle.bmp" --from 31,0
expect "region one short" 1 "" find-image "$TMP/screen.bmp" "$TMP/needle.bmp" --from 0,0 --to 32,25
expect "region exactly" 0 "30, 25" find-image "$TMP/screen.bmp" "$TMP/needle.bmp" --from 30,25 --to 32,26
expect "slow scan" 0 "30, 25" find-image "$TMP/screen.bmp" "$TMP/needle.bmp" --slow-scan
grep -q "Non-Optimized Pixel Scan" "$TMP/err" || fail "slow scan: $(cat "$TMP/err")"
expect "magenta compared" 1 "" find-image "$TMP/screen.bmp" "$TMP/masked.bmp"
expect "masked" 0 "30, 25" find-image "$TMP/screen.bmp" "$TMP/masked.bmp" --masked
expect "png transparency" 0 "5, 5" find-image "$TMP/screen.bmp" "$TMP/rgba.png"
expect "png as the screen" 0 "0, 1" find-pixel "$TMP/rgba.png" "BLUE"

expect "pixel" 0 "30, 25" find-pixel "$TMP/screen.bmp" "#FF0000" --from 8,0
expect "pixel absent" 1 "" find-pixel "$TMP/screen.bmp" "#00FFFF"
expect "pixel tolerance" 0 "32, 26" find-pixel "$TMP/screen.bmp" "#FAFA05" --tolerance 5
expect "pixel tolerance short" 1 "" find-pixel "$TMP/screen.bmp" "#FAFA05" --tolerance 4

expect "truncated png" 2 "" find-image "$TMP/screen.bmp" "$TMP/cut.png"
grep -q "Unable to read image '$TMP/cut.png': damaged PNG file" "$TMP/err" || fail "truncated png: $(cat "$TMP/err")"
expect "missing screen" 2 "" find-pixel "$TMP/none.bmp" RED
grep -q "the file does not exist" "$TMP/err" || fail "missing screen: $(cat "$TMP/err")"
expect "usage" 2 "" find-image "$TMP/screen.bmp"

[ $failures -eq 0 ] && echo "find tests passed"
exit $((failures > 0))
