#!/usr/bin/env bash
# Measures the real program in a real window on a virtual X display (Xvfb), as a student's
# machine would run it:
#   - the time from exec to the first presented splash frame (median of RUNS starts), and from
#     the moment the shell starts it, which adds the fork and the tools' own execs;
#   - resident and virtual memory on the idle main menu, and whether a GL driver is loaded.
# usage: bench/window/measure-window.sh [RUNDIR [RUNS]]   (default build/run, 9 runs)
# Use a release build (./run.sh builds one into build/). Settings of SDL in the environment, such
# as SDL_FRAMEBUFFER_ACCELERATION=1, reach the program and so can be compared.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
run_dir=$(realpath "${1:-$here/../../build/run}")
runs=${2:-9}
[ -x "$run_dir/stend" ] || { echo "measure-window: no program in $run_dir" >&2; exit 2; }

# shellcheck source=bench/window/xvfb-session.sh
. "$here/xvfb-session.sh"
xvfb_session "$0" "$run_dir" "$runs"
build_shim FirstPresent
build_tool ExecClock
exec_clock="$work/exec"

# Starts the program with its exec and first present noted; sets pid and t0 (µs), the time the
# shell starts it, which also counts the fork and the exec of the tools before the program.
start() {
    rm -f "$work/present" "$exec_clock"
    t0=${EPOCHREALTIME/./}
    start_program "$run_dir" FirstPresent STEND_FIRST_PRESENT_FILE="$work/present"
}

# Prints the median and the sorted list of the times given in 0.1 ms.
report() {
    local label=$1
    shift
    local sorted
    mapfile -t sorted < <(printf '%s\n' "$@" | sort -n)
    local median=${sorted[$((${#sorted[@]} / 2))]}
    printf '%s: median %d.%d ms (of %d runs: %s, in 0.1 ms)\n' "$label" \
        $((median / 10)) $((median % 10)) "${#sorted[@]}" "${sorted[*]}"
}

times=()
shell_times=()
for _ in $(seq "$runs"); do
    start
    for _ in $(seq 200); do
        [ -s "$work/present" ] && break
        sleep 0.01
    done
    [ -s "$work/present" ] || { echo "measure-window: no frame within 2 s" >&2; exit 1; }
    present=$(cat "$work/present")
    times+=($(((present - $(cat "$exec_clock")) / 100)))
    shell_times+=($(((present - t0) / 100)))
    stop_program
done
report "exec to first splash frame" "${times[@]}"
report "shell start to first splash frame" "${shell_times[@]}"

# The splash hands over to the menu after 2.34 s; by 4 s the program idles on the menu.
start
sleep 4
kill -0 "$pid" 2>/dev/null || { echo "measure-window: the program ended" >&2; exit 1; }
rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
size=$(awk '/^VmSize/ { print $2 }' "/proc/$pid/status")
gl=$(grep -c -E '/(libGL|libGLX|libEGL|libLLVM|[a-z_]*_dri)[^/]*\.so' "/proc/$pid/maps" || true)
printf 'idle menu: resident %d MB, virtual %d MB, GL driver mappings %d\n' \
    $((rss / 1024)) $((size / 1024)) "$gl"
