#!/usr/bin/env bash
# The real program on a virtual X screen started in a window with an exercise open: the window
# is smaller than the screen and keeps the stage's proportions, F11 makes it cover the screen
# and F11 again brings the window back; the stage is drawn in both.
# Usage: window_smoke.sh <kinetra> <work dir>
set -euo pipefail
program=$1
work=$2
mkdir -p "$work"
log="$work/window.log"
rm -f "$log" "$work"/window-*.png

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat > "$inner" <<INNER
set -e
"$program" --window --exercise dyfuzja &
pid=\$!
trap 'kill \$pid 2>/dev/null || true' EXIT
sleep 2
geometry() {
    local w
    w=\$(xdotool search --name '^KINETRA\$' | tail -1)
    xdotool getwindowgeometry --shell "\$w" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' '
    echo
}
echo "window \$(geometry)" >> "$log"
import -window root "$work/window-1.png"
xdotool key F11
sleep 1.5
w=\$(xdotool search --name 'Liczba zderzeń' | tail -1)
echo "full \$(xdotool getwindowgeometry --shell "\$w" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')" >> "$log"
import -window root "$work/window-2.png"
xdotool key F11
sleep 1.5
echo "again \$(geometry)" >> "$log"
kill \$pid
wait \$pid 2>/dev/null || true
INNER

unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1366x768x24" bash "$inner"
cat "$log"

fail() { echo "FAIL: $*" >&2; exit 1; }
read_size() { sed -n "s/^$1 WIDTH=\([0-9]*\) HEIGHT=\([0-9]*\).*/\1 \2/p" "$log"; }
read -r ww wh <<<"$(read_size window)"
read -r fw fh <<<"$(read_size full)"
read -r aw ah <<<"$(read_size again)"
[ -n "${ww:-}" ] && [ -n "${fw:-}" ] && [ -n "${aw:-}" ] || fail "a window was not found"
[ "$ww" -lt 1366 ] && [ "$wh" -lt 768 ] || fail "the window covers the screen: ${ww}x${wh}"
# 4:3 within a pixel of rounding.
[ $(( (ww * 3 - wh * 4) ** 2 )) -le 16 ] || fail "the window is not 4:3: ${ww}x${wh}"
[ "$fw" -eq 1366 ] && [ "$fh" -eq 768 ] || fail "F11 did not cover the screen: ${fw}x${fh}"
[ "$aw" -eq "$ww" ] && [ "$ah" -eq "$wh" ] || fail "F11 again gave ${aw}x${ah}"

# The menu's steel blue fills most of the window, and black lies around it.
blue_share() {
    convert "$1" -fill white +opaque 'rgb(17,99,142)' -fill black -opaque 'rgb(17,99,142)' \
        -negate -format '%[fx:mean]' info:
}
window_blue=$(blue_share "$work/window-1.png")
full_blue=$(blue_share "$work/window-2.png")
awk -v w="$window_blue" -v f="$full_blue" -v wh="$wh" 'BEGIN {
    # Same picture, scaled by the window height over the stage height in each direction.
    scale = wh / 768
    if (f < 0.1) { print "full screen blue share " f; exit 1 }
    ratio = w / f
    if (ratio < 0.9 * scale * scale || ratio > 1.1 * scale * scale) {
        print "blue share in the window " w " against " f " on the full screen"; exit 1
    }
}' || fail "the stage is not drawn as expected"
echo "window ${ww}x${wh}, full screen ${fw}x${fh}, menu blue $window_blue / $full_blue"
