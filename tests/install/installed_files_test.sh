#!/usr/bin/env bash
# `cmake --install` into a scratch prefix puts every piece where a desktop and man expect it: the
# command and its manual page, the demo with its desktop entry and icon, the documents and the
# examples; the installed command runs the installed example script.
set -uo pipefail
build=$1
with_qt=$2
fail() { echo "FAIL: $*"; exit 1; }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

expect=(bin/sauramiti share/man/man1/sauramiti.1 share/doc/sauramiti/README.md
        share/doc/sauramiti/CHANGELOG.md share/doc/sauramiti/LICENSE
        share/doc/sauramiti/docs/qt-widget.md share/doc/sauramiti/examples/checks.txt
        share/doc/sauramiti/examples/settings.json)
if [ "$with_qt" = ON ]; then
  expect+=(bin/sauramiti-qt share/applications/sauramiti-qt.desktop
           share/icons/hicolor/scalable/apps/sauramiti-qt.svg
           include/sauramiti/qt/sauramiti_date_edit.hpp share/doc/sauramiti/docs/date-field-popup.png)
fi
for file in "${expect[@]}"; do
  [ -s "$prefix/$file" ] || fail "not installed: $file"
done

if [ "$with_qt" = ON ]; then
  desktop=$prefix/share/applications/sauramiti-qt.desktop
  # The entry starts the installed program and names the installed icon.
  grep -qx 'Exec=sauramiti-qt' "$desktop" || fail "the desktop entry does not run sauramiti-qt"
  grep -qx 'Icon=sauramiti-qt' "$desktop" || fail "the desktop entry names another icon"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the entry"
  fi
  grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/sauramiti-qt.svg" ||
    fail "the icon is not an SVG"
fi

# The README's example, run from the installed documents with the installed command.
(cd "$prefix/share/doc/sauramiti" && "$prefix/bin/sauramiti" script examples/checks.txt >/dev/null) ||
  fail "the installed command does not run the installed example"
echo ok
