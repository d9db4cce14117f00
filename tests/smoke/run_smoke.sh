#!/usr/bin/env bash
# Starts the real program on a virtual X screen, waits for the diffusion to run, takes a
# screenshot and checks it. Usage: run_smoke.sh <kinetra> <screenshot_check> <work dir>
set -euo pipefail
program=$1
checker=$2
work=$3
mkdir -p "$work"
shot="$work/diffusion.png"
rm -f "$shot"

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat > "$inner" <<INNER
set -e
"$program" &
pid=\$!
sleep 3
import -window root "$shot"
kill \$pid
wait \$pid 2>/dev/null || true
INNER

unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1024x768x24" bash "$inner"
"$checker" diffusion "$shot"
