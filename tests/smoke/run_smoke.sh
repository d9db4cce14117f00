#!/usr/bin/env bash
# Starts the real program on a virtual X screen, checks a screenshot of the main menu, then
# clicks "Dyfuzja", "1. Ilustracja zjawiska dyfuzji", "Uruchom symulację" and "Start" with the
# mouse, waits for the diffusion to run and checks a second screenshot. From there it goes back
# to the menu and starts the pressure experiment and then the heat transport the same way,
# checking a screenshot of each. Each screenshot is taken again until it passes its check (or two
# minutes have gone by), so that a slow machine or build only makes the test slower.
# Usage: run_smoke.sh <kinetra> <screenshot_check> <work dir> <control_places>
set -euo pipefail
program=$1
checker=$2
work=$3
places=$4
mkdir -p "$work"
menu="$work/menu.png"
diffusion="$work/diffusion.png"
pressure="$work/pressure.png"
heat="$work/heat.png"
rm -f "$menu" "$diffusion" "$pressure" "$heat"

# Where the controls lie on the 1024 x 768 screen, each shown by the click before it: four to
# the diffusion, then the tool button back to the menu and three to each experiment.
mapfile -t clicks < <(QT_QPA_PLATFORM=offscreen "$places" BitBtn8 Label11 BitBtn5 BitBtn3 \
    BitBtn1 BitBtn16 Label64 BitBtn15 BitBtn1 BitBtn17 Label69 BitBtn34)
if [ "${#clicks[@]}" -ne 12 ]; then
    echo "cannot find the controls to click" >&2
    exit 1
fi

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat > "$inner" <<INNER
set -e
"$program" &
pid=\$!
trap 'kill \$pid 2>/dev/null || true' EXIT
# Takes the screenshot until it shows what it should.
shoot() {
    for _ in \$(seq 240); do
        kill -0 \$pid || { echo "the program ended" >&2; exit 1; }
        import -window root "\$2"
        "$checker" "\$1" "\$2" >/dev/null 2>&1 && return 0
        sleep 0.5
    done
}
shoot menu "$menu"
for at in "${clicks[0]}" "${clicks[1]}" "${clicks[2]}" "${clicks[3]}"; do
    xdotool mousemove \$at click 1
    sleep 0.5
done
# Off the tool buttons, so that no tool tip covers the picture.
xdotool mousemove 1000 400
sleep 1
shoot diffusion "$diffusion"
for at in "${clicks[4]}" "${clicks[5]}" "${clicks[6]}" "${clicks[7]}"; do
    xdotool mousemove \$at click 1
    sleep 0.5
done
xdotool mousemove 1000 700
shoot pressure "$pressure"
for at in "${clicks[8]}" "${clicks[9]}" "${clicks[10]}" "${clicks[11]}"; do
    xdotool mousemove \$at click 1
    sleep 0.5
done
xdotool mousemove 1000 700
# The partition may need a few tries before the run starts.
shoot heat "$heat"
kill \$pid
wait \$pid 2>/dev/null || true
INNER

unset QT_QPA_PLATFORM
xvfb-run -a -n $((200 + RANDOM % 600)) -s "-screen 0 1024x768x24" bash "$inner"
status=0
"$checker" menu "$menu" || status=1
"$checker" diffusion "$diffusion" || status=1
"$checker" pressure "$pressure" || status=1
"$checker" heat "$heat" || status=1
exit $status
