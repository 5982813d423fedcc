#!/usr/bin/env bash
# Compares two builds of the `sauramiti` command on the same random method calls and the same
# control scripts: any difference in any answer, error numbers included, is printed and fails.
#   tests/tools/compare_calls.sh OLD_SAURAMITI NEW_SAURAMITI [COUNT]
set -euo pipefail
old=$(realpath "$1") new=$(realpath "$2") count=${3:-100000}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$here/random_calls.py" "$count" > "$work/calls.txt"
"$old" call --batch < "$work/calls.txt" > "$work/old.txt"
"$new" call --batch < "$work/calls.txt" > "$work/new.txt"
if ! cmp -s "$work/old.txt" "$work/new.txt"; then
  echo "compare_calls: the builds answer differently:"
  paste "$work/calls.txt" "$work/old.txt" "$work/new.txt" | awk -F'\t' '$(NF-1) != $NF' | head -20
  exit 1
fi

for script in "$here"/../../fuzz/corpus/script/*; do
  # Each run in a folder of its own: scripts save and load documents by relative paths.
  mkdir "$work/old_run" "$work/new_run"
  (cd "$work/old_run" && "$old" script "$script" > ../old_script.txt 2>&1 || true)
  (cd "$work/new_run" && "$new" script "$script" > ../new_script.txt 2>&1 || true)
  rm -rf "$work/old_run" "$work/new_run"
  if ! cmp -s "$work/old_script.txt" "$work/new_script.txt"; then
    echo "compare_calls: the builds run $script differently:"
    diff "$work/old_script.txt" "$work/new_script.txt" | head -20
    exit 1
  fi
done
echo "compare_calls: $count calls and $(ls "$here"/../../fuzz/corpus/script | wc -l) scripts answer identically"
