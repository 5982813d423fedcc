#!/usr/bin/env bash
# Builds Sauramiti and starts it: the Qt demo host when a display is available, otherwise the
# `sauramiti` command (the terminal picker on a terminal, today's date elsewhere).
#   scripts/run.sh --web [PORT]   builds the WebAssembly module and serves the web demo on
#                                 http://127.0.0.1:PORT/web/demo/ (default 8059)
# Only the program that starts is built (tests and benchmarks are left to scripts/test.sh), so a
# fresh clone reaches the program in a few minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >&2
if [ "${1:-}" = "--web" ]; then
  scripts/build-web.sh >&2
  exec node scripts/serve-web.mjs "${2:-8059}"
fi

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] &&
  ninja -C build/release -t targets all 2>/dev/null | grep -q '^sauramiti-qt:'; then
  cmake --build build/release -j "$(nproc)" --target sauramiti-qt >&2
  exec build/release/qt/sauramiti-qt "$@"
fi
cmake --build build/release -j "$(nproc)" --target sauramiti_cli >&2
exec build/release/cli/sauramiti "$@"
