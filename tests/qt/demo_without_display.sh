#!/usr/bin/env bash
# sauramiti-qt without a display: --help and --version print and exit 0; a window that cannot be
# shown is refused with a message and exit 1 instead of an abort.
set -uo pipefail
program=$1
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
fail() { echo "FAIL: $*"; exit 1; }

out=$("${no_display[@]}" "$program" --help 2>&1) || fail "--help exited $?: $out"
grep -q -- '--nepali' <<<"$out" || fail "--help does not list the options: $out"
out=$("${no_display[@]}" "$program" -h 2>&1) || fail "-h exited $?"

out=$("${no_display[@]}" "$program" --version 2>&1) || fail "--version exited $?: $out"
[[ $out =~ ^sauramiti-qt\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version printed: $out"

"${no_display[@]}" "$program" --nepali >/dev/null 2>/tmp/sauramiti-qt-nodisplay.$$
status=$?
err=$(cat /tmp/sauramiti-qt-nodisplay.$$)
rm -f /tmp/sauramiti-qt-nodisplay.$$
[ "$status" -eq 1 ] || fail "without a display the demo exited $status: $err"
grep -q 'no display' <<<"$err" || fail "without a display the demo said: $err"
echo "ok"
