#!/usr/bin/env bash
# The share of one core the running program takes, on virtual X screens of five sizes, with the
# pressure experiment at its heaviest (500 particles, the top speed factor), three ways side by
# side in one run: the 1024 x 768 picture enlarged with smoothing and painted whole every frame
# (KINETRA_REPAINT=whole KINETRA_SCALING=picture, as every frame was painted before), the same
# picture painted only where it changed (KINETRA_SCALING=picture), and the frame's draw calls
# drawn at the screen's own pixels where they changed (the default). The machine is shared: run
# it when it is quiet, and read the columns against each other.
# Usage: bench/screen_load.sh [build dir] [seconds per measurement]
# Needs Xvfb, xdotool and a build with tests (for control_places); a Release build is the fair one.
set -euo pipefail
build=${1:-build}
seconds=${2:-10}
program=$build/src/app/kinetra
places=$build/tests/control_places
[ -x "$program" ] || { echo "no $program" >&2; exit 1; }
[ -x "$places" ] || { echo "no $places" >&2; exit 1; }

# Main menu: "Ciśnienie", the experiment's link, "Uruchom symulację"; then the particle count's
# and the speed's track bars, each pushed to its end.
mapfile -t at < <(QT_QPA_PLATFORM=offscreen "$places" BitBtn16 Label64 BitBtn15 TrackBar1 TrackBar2)
[ "${#at[@]}" -eq 5 ] || { echo "cannot find the controls" >&2; exit 1; }

ticks=$(getconf CLK_TCK)
# Busy time of a process in clock ticks: user plus system.
busy() { awk '{print $14 + $15}' "/proc/$1/stat"; }

measure() {
    local size=$1 repaint=$2 scaling=$3 display=$4
    local w=${size%x*} h=${size#*x}
    Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    export DISPLAY=:$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR KINETRA_REPAINT="$repaint" KINETRA_SCALING="$scaling" \
        "$program" --lang pl \
        >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    # The program scales its 1024 x 768 stage by the largest factor that fits, centred.
    local f
    f=$(awk -v w="$w" -v h="$h" 'BEGIN { f = w / 1024; if (h / 768 < f) f = h / 768; if (f < 1) f = 1; print f }')
    local i x y
    for i in 0 1 2 3 4; do
        read -r x y <<<"${at[$i]}"
        xdotool mousemove "$(awk -v x="$x" -v f="$f" -v w="$w" 'BEGIN { printf "%d", (w - 1024 * f) / 2 + x * f }')" \
            "$(awk -v y="$y" -v f="$f" -v h="$h" 'BEGIN { printf "%d", (h - 768 * f) / 2 + y * f }')" click 1
        sleep 0.7
        [ "$i" -ge 3 ] && xdotool key End && sleep 0.3
    done
    xdotool mousemove 0 0
    sleep 2
    local before after
    before=$(busy "$pid")
    sleep "$seconds"
    after=$(busy "$pid")
    [ -n "${KINETRA_SCREEN_LOAD_SHOTS:-}" ] && import -window root "$KINETRA_SCREEN_LOAD_SHOTS/$size-$repaint-${scaling:-drawn}.png"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    awk -v b="$before" -v a="$after" -v t="$ticks" -v s="$seconds" \
        'BEGIN { printf "%.1f%%", 100 * (a - b) / t / s }'
}

printf '| %-9s | %-13s | %-13s | %-13s |\n' screen "whole picture" "changed tiles" "drawn at px"
printf '|%s|%s|%s|%s|\n' ----------- --------------- --------------- ---------------
display=$((300 + RANDOM % 300))
for size in 1024x768 1366x768 1920x1080 2560x1440 3840x2160; do
    whole=$(measure "$size" whole picture "$display")
    tiles=$(measure "$size" tiles picture "$((display + 1))")
    drawn=$(measure "$size" tiles "" "$((display + 2))")
    printf '| %-9s | %13s | %13s | %13s |\n' "$size" "$whole" "$tiles" "$drawn"
done
