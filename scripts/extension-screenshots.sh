#!/usr/bin/env bash
# Renders the Qt picker with every extension on (SixWeeks, ShowGregorianDay, MarkToday, MinDate
# and MaxDate, HolidayForeColor), in English and in Nepali, into docs/:
#   docs/picker-extensions-english.png, docs/picker-extensions-nepali.png
# Usage: scripts/extension-screenshots.sh [BUILD_DIR]   (default build/release)
# The pictures are fixed: today is 1 June 2026 (BS 2083/02/18), the selected day Jestha 20,
# the allowed days Jestha 5 to 28, the Saturdays dark red (0x0000C0 in the control's colours).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
demo="$build/qt/sauramiti-qt"
if [[ ! -x $demo ]]; then
  echo "extension-screenshots: no $demo; build the target sauramiti-qt first" >&2
  exit 1
fi
settings=(--today 2026-06-01 --size 520x440
  --set SixWeeks=true --set ShowGregorianDay=true --set MarkToday=true
  --set MinDate=2083/02/05 --set MaxDate=2083/02/28 --set HolidayForeColor=192
  --date 2083/02/20)
export QT_QPA_PLATFORM=offscreen
"$demo" "${settings[@]}" --screenshot docs/picker-extensions-english.png
"$demo" "${settings[@]}" --nepali --screenshot docs/picker-extensions-nepali.png
echo "wrote docs/picker-extensions-english.png and docs/picker-extensions-nepali.png"
