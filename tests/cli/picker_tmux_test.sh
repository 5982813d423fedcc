#!/usr/bin/env bash
# Drives `sauramiti pick` on a real terminal: a private tmux server, keys sent with send-keys,
# the screen read with capture-pane. Each case polls the screen or the program's exit instead
# of sleeping a fixed time. Expected dates come from the program's own `today` and `call`
# answers, which other tests check against the calendar.
#
# Usage: picker_tmux_test.sh PATH/TO/sauramiti. Exits 77 (skipped) without tmux or without a
# picker in the build.
set -u
readonly program=$1
command -v tmux >/dev/null || { echo "tmux is not installed: skipped"; exit 77; }
if "$program" pick </dev/null 2>&1 | grep -q "no terminal picker"; then
  echo "this build has no terminal picker: skipped"; exit 77
fi

work=$(mktemp -d)
readonly socket="sauramiti-test-$$"
tm() { tmux -L "$socket" -f /dev/null "$@"; }
trap 'tm kill-server 2>/dev/null; rm -rf "$work"' EXIT
# tmux ends its server when the last session closes, and a new-session sent while that server
# is still going away fails with "server exited unexpectedly". A session that lives for the
# whole run keeps one server up between the cases.
tm new-session -d -s keep "sleep 3600" || { echo "tmux cannot start a server"; exit 1; }

failures=0
fail() { echo "FAIL [$case_name]: $*"; echo "--- screen:"; tm capture-pane -p -t t 2>/dev/null; failures=$((failures + 1)); }

# start NAME COLUMNS LINES COMMAND: runs COMMAND (its output in $work/out, $work/err, its
# status in $work/rc) in a fresh window of that size.
start() {
  case_name=$1
  rm -f "$work"/out "$work"/err "$work"/rc
  tm kill-session -t t 2>/dev/null
  # A second try covers a server that went away under us anyway.
  for _ in 1 2; do
    tm new-session -d -s t -x "$2" -y "$3" \
      "$4 >'$work/out' 2>'$work/err'; echo \$? >'$work/rc'; sleep 30" && return
    sleep 0.2
  done
}

# Polls until the screen shows TEXT (fixed string); up to 5 seconds.
wait_for() {
  for _ in $(seq 100); do
    tm capture-pane -p -t t 2>/dev/null | grep -qF -- "$1" && return 0
    sleep 0.05
  done
  fail "the screen never showed \"$1\""; return 1
}

# Polls until the program has exited and checks its status and standard output.
expect_exit() {
  for _ in $(seq 100); do [ -s "$work/rc" ] && break; sleep 0.05; done
  local rc out
  rc=$(cat "$work/rc" 2>/dev/null); out=$(cat "$work/out" 2>/dev/null)
  [ "$rc" = "$1" ] || { fail "status \"$rc\", expected $1 (stderr: $(cat "$work/err" 2>/dev/null))"; return; }
  [ "$out" = "$2" ] || fail "printed \"$out\", expected \"$2\""
}

keys() { for key in "$@"; do tm send-keys -t t "$key"; done; }

today_value=$("$program" today | awk '$1 == "Value" { print $2 }')
ahargana=$("$program" today | awk '$1 == "UjjainAhargana" { print $2 }')
tomorrow=$("$program" call AharGana2NepaliDate $((ahargana + 1)))
IFS=/ read -r year month day _ <<<"$today_value"
year=$((10#$year)); month=$((10#$month)); day=$((10#$day))
next_year_day=$day
days_then=$("$program" call GetDaysInMonth $((year + 1)) "$month" 1)
((next_year_day > days_then)) && next_year_day=$days_then
next_year=$(printf '%04d/%02d/%02d/%d' $((year + 1)) "$month" "$next_year_day" \
  "$("$program" call GetWeekDay $((year + 1)) "$month" "$next_year_day")")
weekday_of() { "$program" call GetWeekDay "$1" "$2" "$3"; }

# Keys: Down is the next day in the vertical arrangement, Enter picks.
start "down and enter" 80 24 "$program pick"
wait_for "Enter pick" && keys Down Enter && expect_exit 0 "$tomorrow"

# The line of keys says which way y and Y turn the year.
start "hint line" 80 24 "$program pick"
wait_for "y/Y year +1/-1" && keys Escape && expect_exit 1 ""

start "ctrl-c" 80 24 "$program pick"
wait_for "Enter pick" && keys C-c && expect_exit 130 ""

# Tab to the year list, Down there is the next year (Tab reaches the program as itself).
start "tab to the year list" 80 24 "$program pick"
wait_for "Enter pick" && keys Tab Down Enter && expect_exit 0 "$next_year"

# A mouse click (an X10 report: ESC [ M, button, column + 33, row + 33) on a day cell picks it.
start "mouse click" 80 24 "$program pick"
if wait_for "Enter pick"; then
  screen=$(tm capture-pane -p -t t)
  row=$(grep -n '^ Sun ' <<<"$screen" | cut -d: -f1)
  line=$(sed -n "${row}p" <<<"$screen")
  rest=${line#* Sun }
  first=$(awk '{ print $1 }' <<<"$rest")
  column=$((${#line} - ${#rest} + $(expr index "$rest" "$first") - 1))
  tm send-keys -t t -H 1b 5b 4d 20 "$(printf '%x' $((column + 33)))" "$(printf '%x' $((row - 1 + 33)))"
  expect_exit 0 "$(printf '%04d/%02d/%02d/%d' "$year" "$month" "$first" "$(weekday_of "$year" "$month" "$first")")"
fi

# After Ctrl-Z and fg the arrow keys still work (keypad mode given back). The shell's "Stopped"
# notice may be drawn before the picker leaves the alternate screen, so the stop is seen from
# the pane's foreground process instead.
case_name="ctrl-z and fg"
rm -f "$work"/out
tm kill-session -t t 2>/dev/null
tm new-session -d -s t -x 80 -y 24 "env PS1='ready> ' bash --norc --noprofile -i"
foreground_is() {
  for _ in $(seq 100); do
    [ "$(tm display -p -t t '#{pane_current_command}')" = "$1" ] && return 0
    sleep 0.05
  done
  fail "the foreground never became $1"; return 1
}
if wait_for "ready>" && tm send-keys -t t "$program pick >'$work/out'" Enter &&
  wait_for "Enter pick" && keys C-z && foreground_is bash && tm send-keys -t t "fg" Enter &&
  wait_for "Enter pick" && keys Down Enter && foreground_is bash; then
  [ "$(cat "$work/out")" = "$tomorrow" ] || fail "printed \"$(cat "$work/out")\", expected \"$tomorrow\""
fi

# --min-year and --max-year set the year list's ends.
start "max year" 80 24 "$program pick --min-year $year --max-year $year"
wait_for "Enter pick" && keys y && wait_for "the year list ends here" && keys q && expect_exit 1 ""
start "years beyond 2100" 80 24 "$program pick --max-year 9999"
wait_for "Enter pick" && keys Home && tm send-keys -t t -N $((2101 - year)) y && keys Enter &&
  expect_exit 0 "$(printf '2101/%02d/01/%d' "$month" "$(weekday_of 2101 "$month" 1)")"

# A typed date: the status line shows it, Enter goes there, a second Enter picks it (what is
# refused, and why, is picker_typing_test's).
start "typed date" 80 24 "$program pick"
wait_for "Enter pick" && keys 2 0 8 1 / 9 / 1 && wait_for 'typed "2081/9/1" = 2081/09/01' &&
  keys 5 && wait_for "2081/09/15: Enter goes there" && keys Enter Enter &&
  expect_exit 0 "$(printf '2081/09/15/%d' "$(weekday_of 2081 9 15)")"
start "typed date in Devanagari" 80 24 "$program pick"
wait_for "Enter pick" && keys २ ० ८ १ - ९ - १ ५ Enter Enter &&
  expect_exit 0 "$(printf '2081/09/15/%d' "$(weekday_of 2081 9 15)")"

# The calendar shows in a small window; one too small says the size it needs.
start "small window" 29 12 "$program pick"
wait_for " Sat " && keys Escape && expect_exit 1 ""
start "too small" 29 11 "$program pick"
wait_for "Needs 29x12" && keys Escape && expect_exit 1 ""

# Without a UTF-8 locale: ASCII only, Nepali as the stored legacy-font ASCII.
start "ascii locale" 80 24 "env LC_ALL=C $program pick --nepali"
if wait_for " v "; then
  tm capture-pane -p -t t | LC_ALL=C grep -q $'[\x80-\xff]' && fail "a non-ASCII byte on the screen"
  keys Escape && expect_exit 1 ""
fi

# A terminal that cannot place the cursor is refused before anything is drawn.
start "dumb terminal" 80 24 "env TERM=dumb $program pick"
expect_exit 2 "" && grep -q "cannot place the cursor" "$work/err" || fail "no reason given"

if ((failures > 0)); then echo "$failures failed"; exit 1; fi
echo "all picker cases passed"
