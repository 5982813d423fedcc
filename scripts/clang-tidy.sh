#!/usr/bin/env bash
# Runs clang-tidy (the checks of .clang-tidy) over the sources of the library layers, sauramiti/,
# two files at a time, with the compile commands of a configured build folder.
#   scripts/clang-tidy.sh build/release
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: scripts/clang-tidy.sh BUILD_DIR}
[ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json"; exit 1; }
tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
# The compile commands are GCC's: clang does not know a few of its warning options.
git ls-files -z 'sauramiti/*.cpp' |
  xargs -0 -n 1 -P "$(nproc)" "$tidy" -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option
