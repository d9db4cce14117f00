#!/usr/bin/env bash
# Runs the monkey test on a virtual X screen, once per seed, and fails on any crash, hang or
# sanitizer report, printing the seed and the last 50 events of the run that failed.
# Usage: run_monkey.sh <kinetra_monkey> <work dir> [seed...]
# KINETRA_MONKEY_EVENTS (events per seed, 1800) and KINETRA_MONKEY_PING_MS (2000) change the
# run; KINETRA_MONKEY_SEEDS lists the seeds when none are given.
set -uo pipefail
monkey=$1
work=$2
shift 2
seeds=("$@")
[ ${#seeds[@]} -eq 0 ] && read -r -a seeds <<< "${KINETRA_MONKEY_SEEDS:-11 23 47}"
events=${KINETRA_MONKEY_EVENTS:-1800}
ping=${KINETRA_MONKEY_PING_MS:-2000}
mkdir -p "$work"
unset QT_QPA_PLATFORM
status=0
modes=""
for seed in "${seeds[@]}"; do
    log="$work/monkey-$seed.log"
    out="$work/monkey-$seed.out"
    # A display number of its own, away from other X servers that may start at the same time.
    xvfb-run -a -n $((200 + RANDOM % 600)) -s "-screen 0 1024x768x24" \
        "$monkey" --seed "$seed" --events "$events" --ping-ms "$ping" --log "$log" > "$out" 2>&1
    rc=$?
    if [ $rc -ne 0 ] || grep -q -E "ERROR: (Address|Leak)Sanitizer|runtime error:" "$out"; then
        echo "monkey FAILED with seed $seed (exit $rc); rerun it with:"
        echo "  tests/monkey/run_monkey.sh $monkey $work $seed"
        cat "$out"
        echo "last 50 events of seed $seed:"
        tail -n 50 "$log"
        status=1
        continue
    fi
    grep '^seed ' "$out"
    modes+=$(sed -n 's/.*modes run: //p' "$out")
done
# Every mode must have run in some seed.
for m in 1 2 3 4 5 6 7; do
    if [[ $status -eq 0 && $modes != *$m* ]]; then
        echo "monkey: mode $m never ran"
        status=1
    fi
done
exit $status
