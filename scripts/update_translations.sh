#!/usr/bin/env bash
# Refreshes the translation sources from the code (run after changing texts,
# then translate the new entries in resources/translations/Chinese.ts).
#
# English is the source language: its new entries are finished here with the
# source text itself. Chinese entries that are new stay "unfinished" until
# someone translates them; the test run fails while any is left.
#
# With arguments, the texts are written into those .ts files instead (the
# tests use this to compare the code's texts with the translation).
set -euo pipefail
cd "$(dirname "$0")/.."

# Every folder with program code. Forms (.ui) are scanned with them.
FOLDERS=(app device ui view report export platform)

if [ $# -gt 0 ]; then
  exec /usr/lib/qt5/bin/lupdate -no-obsolete -locations none -I . "${FOLDERS[@]}" -ts "$@"
fi

/usr/lib/qt5/bin/lupdate -no-obsolete -locations none -I . "${FOLDERS[@]}" \
    -ts resources/translations/English.ts resources/translations/Chinese.ts
perl -0pi -e 's{<source>((?:(?!</source>).)*)</source>((?:\s*<(extracomment|comment|translatorcomment)>(?:(?!</\3>).)*</\3>)*\s*)<translation type="unfinished">(?:(?!</translation>).)*</translation>}{<source>$1</source>$2<translation>$1</translation>}gs' \
    resources/translations/English.ts
