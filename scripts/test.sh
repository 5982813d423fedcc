#!/usr/bin/env bash
# Builds Sauramiti and runs every test twice: a normal optimised build, then a build under
# AddressSanitizer and UndefinedBehaviorSanitizer, so that undefined behaviour fails the run.
# Between the two, every fuzz target runs briefly (scripts/fuzz_run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== release build"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$jobs"
(cd build/release && ctest --output-on-failure -j "$jobs")

echo "== web build (WebAssembly) and its tests in node and headless Chromium"
scripts/build-web.sh
node --test tests/web/

echo "== fuzz run (clang, every target for 15 s)"
scripts/fuzz_run.sh 15

echo "== sanitizer build (address, undefined)"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSAURAMITI_SANITIZE=ON \
  -DSAURAMITI_BENCH=OFF >/dev/null
cmake --build build/sanitize -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build/sanitize && ctest --output-on-failure -j "$jobs")
