#!/usr/bin/env bash
# What CI runs. Cheap checks first, so that they fail fast: formatting and the layer picture.
# No function outside tests/ is longer than 60 lines (function-length.py).
# Then an optimised build with GCC (warnings as errors) and every test; clang-tidy over the
# library layers; a build with clang that runs the calendar and conversion tests (clang contracts
# floating-point operations by default, so this checks that the calendar's own flag holds);
# the web build and its tests; a short run of every fuzz target; a build under AddressSanitizer
# and UndefinedBehaviorSanitizer, so that undefined behaviour fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== formatting (clang-format), function lengths and the layer picture"
scripts/check-format.sh
scripts/function-length.py
scripts/layers-picture.sh --check

echo "== release build (GCC)"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DSAURAMITI_WERROR=ON >/dev/null
cmake --build build/release -j "$jobs"
(cd build/release && ctest --output-on-failure -j "$jobs")

echo "== clang-tidy on the library layers"
scripts/clang-tidy.sh build/release

echo "== clang build; the calendar and conversion tests"
CXX=clang++ cmake -S . -B build/clang -G Ninja -DCMAKE_BUILD_TYPE=Release -DSAURAMITI_WERROR=ON \
  -DSAURAMITI_BENCH=OFF -DSAURAMITI_QT=OFF -DSAURAMITI_INSTALL=OFF -DSAURAMITI_EXAMPLES=OFF \
  >/dev/null
cmake --build build/clang -j "$jobs"
(cd build/clang && ctest --output-on-failure -j "$jobs" \
  -R '^(tables_and_text|month_and_count|conversions|calendar_sweep|bad_input_sweep)_test[.]')

echo "== web build (WebAssembly) and its tests in node and headless Chromium"
scripts/build-web.sh
node --test tests/web/

echo "== fuzz run (clang, every target for 15 s)"
scripts/fuzz_run.sh 15

echo "== sanitizer build (address, undefined)"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSAURAMITI_SANITIZE=ON \
  -DSAURAMITI_WERROR=ON -DSAURAMITI_BENCH=OFF >/dev/null
cmake --build build/sanitize -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build/sanitize && ctest --output-on-failure -j "$jobs")
