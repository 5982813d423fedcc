#!/usr/bin/env bash
# How fast `sauramiti to-ad` and `sauramiti to-bs` convert dates read one a line from standard
# input, and whether the streamed answers are the ones the same dates get one at a time.
#
#   bench/stream_dates.sh [SAURAMITI] [COUNT] [RUNS]
#
# Makes COUNT (default 1000000) valid dates with a fixed seed: BS dates for to-ad (every month
# has at least 29 days, so day 1 to 29 of any month of 1000 to 3000 exists; one in four carries
# its weekday, as a Value string does) and Gregorian dates for to-bs (any day of 1583 to 2500).
# Times each direction RUNS times (default 7) and prints the best and the median CPU time (user
# plus system) and wall time. Then converts a sample of 2000 lines again, each date on the command
# line of its own, and fails when any answer differs from the streamed one.
set -euo pipefail
program=${1:-build/release/cli/sauramiti}
count=${2:-1000000}
runs=${3:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$count" "$work" <<'EOF'
import datetime, random, sys
count, work = int(sys.argv[1]), sys.argv[2]
rng = random.Random(20590101)
first = datetime.date(1583, 1, 1).toordinal()
last = datetime.date(2500, 12, 31).toordinal()
with open(f"{work}/ad.txt", "w") as ad, open(f"{work}/bs.txt", "w") as bs:
    for _ in range(count):
        day = datetime.date.fromordinal(rng.randint(first, last))
        ad.write(f"{day.year:04d}-{day.month:02d}-{day.day:02d}\n")
        bs.write(f"{rng.randint(1000, 3000)}/{rng.randint(1, 12):02d}/{rng.randint(1, 29):02d}\n")
EOF
# One in four BS dates as a Value string, with its weekday: the to-bs answers for the first
# quarter of the Gregorian dates.
head -n $((count / 4)) "$work/ad.txt" | "$program" to-bs > "$work/values.txt"
tail -n +$((count / 4 + 1)) "$work/bs.txt" | paste -d '\n' - "$work/values.txt" |
  sed '/^$/d' | head -n "$count" > "$work/mixed.txt"
mv "$work/mixed.txt" "$work/bs.txt"

# Prints "best median" of a list of numbers.
best_and_median() {
  sort -g | awk '{ v[NR] = $1 } END { printf "%.3f %.3f", v[1], v[int((NR + 1) / 2)] }'
}

run() {  # direction input
  local cpu=() wall=()
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f '%U %S %e' -o "$work/time" "$program" "$1" < "$2" > "$work/out.$1" || true
    read -r user system elapsed < "$work/time"
    cpu+=("$(echo "$user + $system" | bc)")
    wall+=("$elapsed")
  done
  printf '%-6s %d dates: cpu best/median %s s, wall best/median %s s\n' "$1" "$count" \
    "$(printf '%s\n' "${cpu[@]}" | best_and_median | sed 's/ / \/ /')" \
    "$(printf '%s\n' "${wall[@]}" | best_and_median | sed 's/ / \/ /')"
}

run to-ad "$work/bs.txt"
run to-bs "$work/ad.txt"

# The streamed answers against the one-at-a-time ones, on a sample of lines: each sampled date
# is converted by a command of its own, given the date on its command line.
check() {  # direction input
  [[ $(wc -l < "$work/out.$1") -eq $count ]] || { echo "$1: not one line per date" >&2; exit 1; }
  local step=$((count > 2000 ? count / 2000 : 1)) failures=0 checked=0
  while IFS=$'\t' read -r n date streamed; do
    local single
    single=$("$program" "$1" "$date")
    checked=$((checked + 1))
    if [[ "$streamed" != "$single" ]]; then
      echo "$1: line $n \"$date\": streamed \"$streamed\", alone \"$single\"" >&2
      failures=$((failures + 1))
    fi
  done < <(paste "$2" "$work/out.$1" | awk -v step="$step" -F '\t' \
    '(NR * 7919) % step == 0 { print NR "\t" $1 "\t" $2 }')
  ((failures == 0)) || exit 1
  echo "$1: a sample of $checked lines matches the one-at-a-time answers"
}
check to-ad "$work/bs.txt"
check to-bs "$work/ad.txt"
