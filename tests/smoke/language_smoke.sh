#!/usr/bin/env bash
# The real program started on a virtual X screen speaks the language it is asked for: --lang
# wins over the system locale, and without it an English locale gives English, a Ukrainian one
# Ukrainian and a Polish one Polish. The full-screen window's title, put into the language with
# every other text, tells.
# Usage: language_smoke.sh <kinetra> <work dir>
set -euo pipefail
program=$1
work=$2
mkdir -p "$work"
log="$work/language.log"
rm -f "$log"

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat > "$inner" <<INNER
# Starts the program with the locale and options given and logs the title of its window.
title() {
    local locale=\$1
    shift
    LC_ALL= LC_MESSAGES= LANG=\$locale "$program" "\$@" &
    local pid=\$! w="" name=""
    for _ in \$(seq 100); do
        w=\$(xdotool search --onlyvisible --class kinetra 2>/dev/null | tail -1 || true)
        [ -n "\$w" ] && name=\$(xdotool getwindowname "\$w" 2>/dev/null || true)
        [ -n "\$name" ] && [ "\$name" != kinetra ] && break
        sleep 0.1
    done
    echo "\$locale \$* => \$name" >> "$log"
    kill \$pid 2>/dev/null || true
    wait \$pid 2>/dev/null || true
}
title en_GB.UTF-8 --lang pl
title pl_PL.UTF-8 --lang en
title en_GB.UTF-8
title pl_PL.UTF-8
title pl_PL.UTF-8 --lang uk
title uk_UA.UTF-8
INNER

unset QT_QPA_PLATFORM
# No reset between the starts: a server resetting as the last client leaves refuses the next.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$inner"
cat "$log"

polish='Liczba zderzeń ze ściankami naczynia'
english='Number of collisions with the walls of the vessel'
ukrainian='Число зіткнень зі стінками посудини'
expected=("$polish" "$english" "$english" "$polish" "$ukrainian" "$ukrainian")
mapfile -t got < <(sed 's/.* => //' "$log")
status=0
for i in "${!expected[@]}"; do
    if [ "${got[$i]:-}" != "${expected[$i]}" ]; then
        echo "FAIL: start $((i + 1)) shows “${got[$i]:-}”, not “${expected[$i]}”" >&2
        status=1
    fi
done
exit $status
