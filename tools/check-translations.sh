#!/usr/bin/env bash
# Fails when the English catalogue lags behind the program's texts: gathers the texts of src/
# anew into a copy of translations/kombinator_en.ts and looks for entries that are new and not yet
# translated ("unfinished") or translated but no longer in the program ("vanished", "obsolete").
# `cmake --build build --target update_translations` brings the catalogue up to date.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
copy=$(mktemp --suffix=.ts)
trap 'rm -f "$copy"' EXIT
cp translations/kombinator_en.ts "$copy"
"$lupdate" -silent -locations none -source-language hu -target-language en src -ts "$copy"
if grep -nE 'type="(unfinished|vanished|obsolete)"' "$copy"; then
    echo "translations/kombinator_en.ts: the entries above are not translated or no longer used" >&2
    exit 1
fi
echo "translations/kombinator_en.ts: every text of the program is translated"
