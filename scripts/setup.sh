#!/usr/bin/env bash
# Installs what building and testing Sauramiti needs on a Debian machine (as root, or with sudo).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev libncurses-dev
  qt6-base-dev fonts-noto-core
  tmux emscripten nodejs chromium ccache python3 man-db
  clang libclang-rt-14-dev clang-tidy clang-format graphviz git
)

missing=()
# npm comes with some builds of nodejs; Debian's own nodejs needs the npm package beside it.
command -v npm >/dev/null 2>&1 || packages+=(npm)

for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# The web build's test tools (puppeteer-core drives Debian's chromium; it downloads no browser),
# exactly as web/package-lock.json pins them.
if [ ! -d web/node_modules/puppeteer-core ]; then
  echo "setup: installing the web test tools (npm ci in web/)"
  (cd "$(dirname "$0")/../web" && npm ci --no-audit --no-fund >/dev/null)
fi
