#!/bin/bash
# Every text of the sources has a finished English translation, and the translation file holds
# nothing else: lupdate, run on the sources into a copy of the file, must find no new text, drop
# no old one and leave no entry unfinished.
# Usage: check_translations.sh <lupdate> <source dir> <translation file> <scratch dir>
set -euo pipefail
lupdate=$1 sources=$2 ts=$3 scratch=$4
mkdir -p "$scratch"
copy="$scratch/$(basename "$ts")"
cp "$ts" "$copy"
"$lupdate" -silent -locations none -no-obsolete -source-language pl_PL -target-language en_GB \
    "$sources" -ts "$copy"
count() { grep -c "<message" "$1" || true; }
status=0
if [ "$(count "$ts")" != "$(count "$copy")" ]; then
    echo "The sources have $(count "$copy") texts, the translation file $(count "$ts")."
    status=1
fi
if grep -n -B3 'type="\(unfinished\|vanished\|obsolete\)"' "$copy"; then
    echo "Texts above have no finished translation (or are gone from the sources)."
    status=1
fi
if ! diff -q "$ts" "$copy" >/dev/null; then
    diff -u "$ts" "$copy" | head -40
    echo "$(basename "$ts") is not what lupdate makes of the sources; run lupdate and translate."
    status=1
fi
exit $status
