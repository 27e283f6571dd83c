#!/usr/bin/env bash
# Measures the real program on its bench with the mains on, in a real window on a virtual X
# display (Xvfb): a student's clicks (xdotool) lead from the menu to the bench and switch the
# mains on; after the run-up, for SECONDS seconds (default 10):
#   - the program's own processor time (user + system, from /proc/PID/stat) as a share of one core;
#   - how many frames it presents per second (every call that shows window pixels, counted by a
#     preloaded shim): a 60 Hz display shows at most 60.
# With SHOT, a screenshot of the display at the end is written there.
# usage: bench/window/measure-bench-screen.sh [RUNDIR [SECONDS [SHOT]]]   (default build/run, 10)
# Use a release build (./run.sh builds one into build/).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
run_dir=$(realpath "${1:-$here/../../build/run}")
seconds=${2:-10}
shot=${3:+$(realpath -m "$3")}
[ -x "$run_dir/stend" ] || { echo "measure-bench-screen: no program in $run_dir" >&2; exit 2; }
command -v xdotool >/dev/null || { echo "measure-bench-screen: xdotool is needed" >&2; exit 2; }

# shellcheck source=bench/window/xvfb-session.sh
. "$here/xvfb-session.sh"
xvfb_session "$0" "$run_dir" "$seconds" "$shot"
build_shim PresentCount
start_program "$run_dir" PresentCount STEND_PRESENT_COUNT_FILE="$work/presents"

alive() {
    kill -0 "$pid" 2>/dev/null || { echo "measure-bench-screen: the program ended" >&2; exit 1; }
}
# Clicks the centre of a rectangle given as left, top, width, height on the 1024 × 768 screen.
click() {
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
}
# User plus system time of the program, in clock ticks.
cpu_ticks() {
    awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$pid/stat"
}
presents() {
    od -An -t d8 "$work/presents" | tr -d ' '
}
now_us() {
    echo "${EPOCHREALTIME/./}"
}

# The splash hands over to the menu after 2.34 s.
sleep 3.5
alive
click 680 168 241 105 # the menu's "СТЕНД"
sleep 1
alive
click 8 32 41 33 # the bench's mains switch
# The run-up to 220 V takes 0.7 s.
sleep 2
alive

ticks0=$(cpu_ticks)
presents0=$(presents)
t0=$(now_us)
sleep "$seconds"
alive
ticks1=$(cpu_ticks)
presents1=$(presents)
t1=$(now_us)

[ -n "$shot" ] && import -window root "$shot"
# A bench with the mains on presents dozens of frames a second; none means the clicks missed.
[ $((presents1 - presents0)) -gt 0 ] || { echo "measure-bench-screen: nothing moved" >&2; exit 1; }
awk -v ticks=$((ticks1 - ticks0)) -v hz="$(getconf CLK_TCK)" -v us=$((t1 - t0)) \
    -v frames=$((presents1 - presents0)) 'BEGIN {
        s = us / 1e6
        printf "bench with the mains on, %.1f s: processor %.2f %% of one core, %.1f presents per second\n",
            s, ticks / hz / s * 100, frames / s
    }'
