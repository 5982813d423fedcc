#!/usr/bin/env bash
# A program of someone else's builds against the package three ways and prints the same line:
#   1. find_package(sauramiti) on the build tree (the export() of the build folder);
#   2. find_package(sauramiti) on an installed prefix (CMAKE_PREFIX_PATH);
#   3. pkg-config on that prefix after it has been moved elsewhere (the .pc finds its own prefix).
# Also: only public headers are installed, every installed header's own includes of the package
# resolve inside the installed tree, and with Qt the widget compiles as <sauramiti/qt/...>.
set -uo pipefail
build=$1
with_qt=$2
source_dir=$(cd "$(dirname "$0")" && pwd)/consumer
fail() { echo "FAIL: $*"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install failed"
include=$work/prefix/include

# Private headers stay out; the Qt headers sit under sauramiti/qt/, nothing under a bare qt/.
for private in sauramiti/control/instance_parts.hpp sauramiti/document/variant_json.hpp; do
  [ ! -e "$include/$private" ] || fail "private header installed: $private"
done
[ ! -e "$include/qt" ] || fail "headers installed under a generic include/qt/"
if [ "$with_qt" = ON ]; then
  [ -s "$include/sauramiti/qt/sauramiti_widget.hpp" ] || fail "no include/sauramiti/qt/"
fi
! grep -rlq nlohmann "$include" || fail "an installed header includes the JSON library"
# Each <sauramiti/...> or <qt/...> an installed header includes is installed too.
while IFS= read -r included; do
  [ -e "$include/$included" ] || [ -e "$include/sauramiti/$included" ] ||
    fail "an installed header includes <$included>, which is not installed"
done < <(grep -rhoE '^#include <(sauramiti|qt)/[^>]+>' "$include" | sed -E 's/#include <(.*)>/\1/' |
         sort -u)

configure_and_run() {  # name, then cmake arguments
  local name=$1
  shift
  cmake -S "$source_dir" -B "$work/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DWITH_QT="$with_qt" "$@" >"$work/$name.log" 2>&1 &&
    cmake --build "$work/$name" >>"$work/$name.log" 2>&1 ||
    { cat "$work/$name.log"; fail "the consumer does not build ($name)"; }
  "$work/$name/consumer" || fail "the consumer ($name) exited $?"
  if [ "$with_qt" = ON ]; then
    QT_QPA_PLATFORM=offscreen "$work/$name/qt_consumer" || fail "the Qt consumer ($name) failed"
  fi
}
from_build=$(configure_and_run build-tree -Dsauramiti_DIR="$build") || fail "$from_build"
from_install=$(configure_and_run installed -DCMAKE_PREFIX_PATH="$work/prefix") || fail "$from_install"

# pkg-config, on the prefix moved after installation.
mv "$work/prefix" "$work/moved"
pc=$(find "$work/moved" -name sauramiti.pc) && [ -n "$pc" ] || fail "no sauramiti.pc installed"
export PKG_CONFIG_PATH
PKG_CONFIG_PATH=$(dirname "$pc")
flags=$(pkg-config --cflags --libs sauramiti) || fail "pkg-config refuses sauramiti.pc"
included=$(pkg-config --variable=includedir sauramiti)
[ "$(realpath "$included")" = "$(realpath "$work/moved/include")" ] ||
  fail "the .pc does not follow its prefix: includedir=$included"
# shellcheck disable=SC2086  # the flags are words
c++ -std=c++20 -o "$work/pc_consumer" "$source_dir/consumer.cpp" $flags ||
  fail "the consumer does not build with pkg-config's flags: $flags"
from_pc=$("$work/pc_consumer") || fail "the pkg-config consumer exited $?"

# The Gregorian date of BS 2059/01/01 and a page turn of the navigator, the same from all three.
read -r date turned _ <<<"$from_build"
[ "$date" = 2002-04-14 ] && [ "$turned" = turned ] || fail "unexpected answer: $from_build"
[ "$from_install" = "$from_build" ] || fail "installed: $from_install, build tree: $from_build"
[ "$from_pc" = "$from_build" ] || fail "pkg-config: $from_pc, build tree: $from_build"
echo ok
