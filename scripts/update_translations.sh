#!/usr/bin/env bash
# Refreshes the translation sources from the code (run after changing texts,
# then translate the new entries in resources/translations/Chinese.ts).
set -euo pipefail
cd "$(dirname "$0")/.."
/usr/lib/qt5/bin/lupdate -no-obsolete -locations none -I . app device ui view report export platform \
    -ts resources/translations/English.ts resources/translations/Chinese.ts
