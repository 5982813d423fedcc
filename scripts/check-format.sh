#!/usr/bin/env bash
# Fails when a tracked C++ file is not as clang-format (with the repository's .clang-format)
# would write it, naming the file and line. Checks without rewriting, so that work in progress
# in the tree is left alone; `scripts/check-format.sh --fix` rewrites the files instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -d '' files < <(git ls-files -z '*.cpp' '*.hpp' '*.h')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
fi
