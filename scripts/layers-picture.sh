#!/usr/bin/env bash
# Draws docs/layers.svg from docs/layers.dot with Graphviz (Debian's graphviz package).
#   scripts/layers-picture.sh          rewrites docs/layers.svg
#   scripts/layers-picture.sh --check  fails when docs/layers.svg is not what the dot file draws
set -euo pipefail
cd "$(dirname "$0")/.."
drawn=$(dot -Tsvg docs/layers.dot)
if [ "${1:-}" = --check ]; then
  diff -q <(printf '%s\n' "$drawn") docs/layers.svg >/dev/null ||
    { echo "docs/layers.svg is stale: run scripts/layers-picture.sh"; exit 1; }
else
  printf '%s\n' "$drawn" >docs/layers.svg
fi
