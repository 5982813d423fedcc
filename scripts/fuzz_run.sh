#!/usr/bin/env bash
# A short run of every fuzz target, as a standing check: builds the libFuzzer targets with clang
# (everything instrumented, with the address and undefined-behaviour sanitizers), then runs each
# target for SECONDS (default 15) on a copy of its seeds in fuzz/corpus/NAME (the target
# NAME_fuzzer). Any crash, sanitizer report, timeout or memory blow-up fails the run and prints
# the input that caused it. Crash files and the corpus the run grows stay in a temporary folder,
# never in the repository.
#   scripts/fuzz_run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
jobs=$(nproc)

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSAURAMITI_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ -DSAURAMITI_TEST=OFF -DSAURAMITI_BENCH=OFF -DSAURAMITI_QT=OFF \
  -DSAURAMITI_INSTALL=OFF >/dev/null
targets=()
for source in fuzz/*_fuzzer.cpp; do targets+=("$(basename "$source" .cpp)"); done
cmake --build build/fuzz -j "$jobs" --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
  name=${target%_fuzzer}
  corpus="$work/$name/corpus"
  mkdir -p "$corpus"
  if [ -d "fuzz/corpus/$name" ]; then cp -R "fuzz/corpus/$name/." "$corpus/"; fi
  echo "fuzz: $target for ${seconds}s on $(ls "$corpus" | wc -l) seeds"
  if ! (cd "$work/$name" && "$OLDPWD/build/fuzz/fuzz/$target" -max_total_time="$seconds" \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 -artifact_prefix="$work/$name/" \
      "$corpus" >"$work/$name/log.txt" 2>&1); then
    tail -n 60 "$work/$name/log.txt"
    for artifact in "$work/$name"/crash-* "$work/$name"/timeout-* "$work/$name"/oom-* \
        "$work/$name"/leak-*; do
      [ -e "$artifact" ] || continue
      echo "fuzz: $target failed on $(basename "$artifact") (base64):"
      base64 "$artifact"
    done
    exit 1
  fi
  grep -E "^#[0-9]+ +DONE" "$work/$name/log.txt" || tail -n 1 "$work/$name/log.txt"
done
echo "fuzz: every target ran ${seconds}s without a crash or sanitizer report"
