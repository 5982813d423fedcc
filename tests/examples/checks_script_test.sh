#!/usr/bin/env bash
# examples/checks.txt, run as the README runs it (from the top of the source tree): its output
# is, line for line, what its "#>" lines say, and it reports nothing on stderr.
set -uo pipefail
program=$1
script=examples/checks.txt
fail() { echo "FAIL: $*"; exit 1; }

expected=$(sed -n 's/^#> \{0,1\}//p' "$script")
[ -n "$expected" ] || fail "$script holds no #> lines"
actual=$("$program" script "$script" 2>/tmp/checks-stderr.$$) || fail "exit status $?"
errors=$(cat /tmp/checks-stderr.$$)
rm -f /tmp/checks-stderr.$$
[ -z "$errors" ] || fail "stderr: $errors"
diff <(echo "$expected") <(echo "$actual") || fail "the output differs from the #> lines"
echo "ok: $(wc -l <<<"$actual") lines"
