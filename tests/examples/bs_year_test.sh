#!/usr/bin/env bash
# examples/bs_year: BS 2059 (the year the library's docs use) has the month lengths its headers
# give and starts on 14 April 2002, a Sunday; in every year tried each month starts the day after
# the previous one ends, and the year's length is the sum; a bad year is refused with status 2.
set -uo pipefail
program=$1
fail() { echo "FAIL: $*"; exit 1; }

out=$("$program" 2059) || fail "bs_year 2059 exited $?"
lengths=$(awk 'NR <= 12 { print $2 }' <<<"$out" | tr '\n' ' ')
[ "$lengths" = "31 31 32 31 31 31 30 29 30 29 30 30 " ] || fail "2059 month lengths: $lengths"
head -1 <<<"$out" | grep -q 'Vaishaka  31 days, from Sunday    2002-04-14$' ||
  fail "2059 starts: $(head -1 <<<"$out")"

# (Years whose dates are all Gregorian: before 15 October 1582 the Gregorian texts are Julian.)
for year in 1700 1975 2000 2059 2081 2082 9998; do
  out=$("$program" $year) || fail "bs_year $year exited $?"
  [ "$(wc -l <<<"$out")" -eq 13 ] || fail "$year: not 12 months and a total"
  total=0
  next=""
  while read -r _name days _ _from weekday start; do
    if [ -n "$next" ] && [ "$start" != "$next" ]; then fail "$year: a month starts $start, not $next"; fi
    [ "$(date -u -d "$start" +%A)" = "$weekday" ] || fail "$year: $start is not a $weekday"
    next=$(date -u -d "$start + $days days" +%F)
    total=$((total + days))
  done < <(head -12 <<<"$out")
  tail -1 <<<"$out" | grep -q "^BS $year has $total days\.$" || fail "$year: $(tail -1 <<<"$out")"
done

for bad in 0 10000 abc 2081x ""; do
  "$program" "$bad" >/dev/null 2>&1
  [ $? -eq 2 ] || fail "bs_year '$bad' was not refused"
done
echo ok
