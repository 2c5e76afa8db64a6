#!/usr/bin/env bash
# Thread wake-ups of the whole program under a running X server: the sum of
# voluntary and non-voluntary context switches over /proc/PID/task/*/status,
# over 10 s, on the start screen and then on the human's turn after "Empezar"
# (clicked with xdotool), with each thread's share.
#
#   Xvfb :97 -screen 0 1024x768x24 &
#   bench/wakeups.sh build/release/app/tablerix :97
#   bench/wakeups.sh "build/release/bench/empty_window --with-clock" :97
set -euo pipefail
read -ra program <<<"${1:?program}"
export DISPLAY=${2:-:97}
span=${3:-10}

switches() {  # total, then one "name count" line per thread
    local pid=$1
    for status in /proc/"$pid"/task/*/status; do
        local n v nv
        n=$(awk '/^Name:/ {print $2}' "$status" 2>/dev/null) || continue
        v=$(awk '/^voluntary_ctxt_switches:/ {print $2}' "$status" 2>/dev/null) || continue
        nv=$(awk '/^nonvoluntary_ctxt_switches:/ {print $2}' "$status" 2>/dev/null) || continue
        echo "$n $((v + nv))"
    done
}

measure() {  # label
    local before after
    before=$(switches "$pid")
    sleep "$span"
    after=$(switches "$pid")
    join -a1 -a2 -e0 -o 0,1.2,2.2 <(sort <<<"$before") <(sort <<<"$after") \
        | awk -v label="$1" -v span="$span" '{d += $3 - $2; t[$1] += $3 - $2}
            END {printf "%s: %.1f wake-ups/s (", label, d / span
                 sep = ""; for (n in t) {printf "%s%s %.1f", sep, n, t[n] / span; sep = ", "}; print ")"}'
}

"${program[@]}" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 3
measure "start screen"
# "Empezar": the centred 680x478 window, the button's centre at (531, 232).
read -r sw sh < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
xdotool mousemove $(((sw - 680) / 2 + 531)) $(((sh - 478) / 2 + 232)) click 1
sleep 2
measure "human to move"
