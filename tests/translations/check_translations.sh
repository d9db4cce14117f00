#!/bin/bash
# Every text of the sources has a finished translation in every language, and each translation
# file holds nothing else: lupdate, run on the sources into a copy of each kinetra_<lang>.ts,
# must find no new text, drop no old one and leave no entry unfinished. Each file must also say
# that it translates Polish into the language its name gives.
# Usage: check_translations.sh <lupdate> <source dir> <translations dir> <scratch dir>
set -euo pipefail
lupdate=$1 sources=$2 translations=$3 scratch=$4
mkdir -p "$scratch"
shopt -s nullglob
files=("$translations"/kinetra_*.ts)
if [ ${#files[@]} -eq 0 ]; then
    echo "No translation files kinetra_*.ts in $translations."
    exit 1
fi
count() { grep -c "<message" "$1" || true; }
status=0
for ts in "${files[@]}"; do
    name=$(basename "$ts")
    lang=${name#kinetra_}
    lang=${lang%.ts}
    if ! grep -q "<TS version=\"[0-9.]*\" language=\"${lang}\(_[A-Z]*\)\?\" sourcelanguage=\"pl_PL\">" \
        "$ts"; then
        echo "$name: the <TS> element must say language=\"${lang}...\" sourcelanguage=\"pl_PL\"."
        status=1
    fi
    copy="$scratch/$name"
    cp "$ts" "$copy"
    # Without -target-language lupdate keeps the file's own language and source language.
    "$lupdate" -silent -locations none -no-obsolete "$sources" -ts "$copy"
    if [ "$(count "$ts")" != "$(count "$copy")" ]; then
        echo "$name: the sources have $(count "$copy") texts, the translation file $(count "$ts")."
        status=1
    fi
    if grep -n -B3 'type="\(unfinished\|vanished\|obsolete\)"' "$copy"; then
        echo "$name: the texts above have no finished translation (or are gone from the sources)."
        status=1
    fi
    if ! diff -q "$ts" "$copy" >/dev/null; then
        # The first lines of the difference are enough; head closing early is no failure.
        diff -u "$ts" "$copy" | head -40 || true
        echo "$name is not what lupdate makes of the sources; run lupdate and translate."
        status=1
    fi
done
[ $status -eq 0 ] && echo "Checked: ${files[*]##*/}"
exit $status
