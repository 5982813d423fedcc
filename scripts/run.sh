#!/usr/bin/env bash
# Builds Sauramiti and starts it: the Qt demo host when a display is available, otherwise the
# `sauramiti` command (the terminal picker on a terminal, today's date elsewhere).
#   scripts/run.sh --web [PORT]   builds the WebAssembly module and serves the web demo on
#                                 http://127.0.0.1:PORT/web/demo/ (default 8059)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >&2
if [ "${1:-}" = "--web" ]; then
  scripts/build-web.sh >&2
  exec node scripts/serve-web.mjs "${2:-8059}"
fi
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)" >&2
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/release/qt/sauramiti-qt ]; then
  exec build/release/qt/sauramiti-qt "$@"
fi
exec build/release/cli/sauramiti "$@"
