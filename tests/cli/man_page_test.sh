#!/usr/bin/env bash
# The manual page sauramiti(1): man renders it without a warning, and every subcommand that
# `sauramiti --help` lists has its section in it.
set -uo pipefail
program=$1
page=$2
fail() { echo "FAIL: $*"; exit 1; }

[ -s "$page" ] || fail "no manual page at $page"
warnings=$(preconv "$page" | groff -man -Tutf8 -ww -z 2>&1) || fail "groff failed: $warnings"
[ -z "$warnings" ] || fail "groff warns: $warnings"
rendered=$(MANWIDTH=80 man -P cat -l "$page" 2>&1) || fail "man -l failed: $rendered"
grep -q '^NAME' <<<"$rendered" || fail "man -l rendered no NAME section"

subcommands=$("$program" --help | sed -n '/^Subcommands:/,/^$/{/^  [a-z]/{s/^  \([a-z0-9-]*\).*/\1/;p}}')
[ -n "$subcommands" ] || fail "sauramiti --help lists no subcommands"
for name in $subcommands; do
  grep -q "^   sauramiti $name\$" <<<"$rendered" || fail "no section for 'sauramiti $name'"
  # The section holds that subcommand's own usage line.
  grep -q "Usage: sauramiti $name " <<<"$rendered" || fail "no usage of 'sauramiti $name'"
done
echo "ok: $(wc -w <<<"$subcommands") subcommands"
