#!/usr/bin/env bash
# Builds the WebAssembly module and assembles web/dist/: sauramiti.mjs with sauramiti.wasm (the
# control and the nine methods), sauramiti-calendar.mjs with its .wasm (the calendar alone), the
# TypeScript declarations and the web component modules.
#
# The binding is a small C interface (web/src/boundary.hpp), not embind. Measured with this
# toolchain (Emscripten 3.1.6, -O2, -fwasm-exceptions) on the calendar-only module, one process
# of node 20: embind made the module larger and each call slower (numbers in the web README),
# and an exception crossing an embind call leaks; the C interface passes numbers in typed slots
# and only texts as bytes, so a call costs little more than the calendar's own work.
set -euo pipefail
cd "$(dirname "$0")/.."
export NODE_PATH=/usr/share/nodejs  # em++ needs acorn, which Debian puts there

build=build/web
if [ ! -f "$build/build.ninja" ]; then
  emcmake cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    -DCMAKE_CXX_FLAGS="-fwasm-exceptions" \
    -DSAURAMITI_TEST=OFF -DSAURAMITI_BENCH=OFF -DSAURAMITI_CLI=OFF -DSAURAMITI_QT=OFF \
    -DSAURAMITI_INSTALL=OFF \
    -Dnlohmann_json_DIR="$PWD/web/cmake/nlohmann_json" >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target sauramiti_web sauramiti_web_calendar

dist=web/dist
mkdir -p "$dist"
for core in sauramiti-core sauramiti-calendar-core; do
  cp "$build/web/$core.mjs" "$build/web/$core.wasm" "$dist"/
done
cp web/js/*.mjs "$dist"/
cp web/js/*.d.ts "$dist"/ 2>/dev/null || true
echo "build-web: $(cd "$dist" && ls | tr '\n' ' ')"
