# Sourced by the window measurements beside it: a virtual X display for the real program, a
# scratch folder that goes at exit, the preloaded counters, and starting and ending the program.

window_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Runs the calling script again inside a virtual 1024 × 768 display, unless it runs in one; there,
# makes $work, a fresh folder, and ends the program and removes $work when the script exits.
# usage: xvfb_session "$0" ARGS...
xvfb_session() {
    if [ -z "${STEND_MEASURE_INSIDE:-}" ]; then
        exec env STEND_MEASURE_INSIDE=1 xvfb-run -a -s "-screen 0 1024x768x24" "$@"
    fi
    work=$(mktemp -d "${TMPDIR:-/tmp}/stend-measure-XXXXXX")
    pid=""
    trap 'stop_program; rm -rf "$work"' EXIT
}

# Compiles the preload shim NAME.c of this folder into $work/NAME.so.
build_shim() {
    # shellcheck disable=SC2046
    cc -shared -fPIC -O2 -o "$work/$1.so" "$window_dir/$1.c" $(pkg-config --cflags sdl2) -ldl
}

# Compiles the helper program NAME.c of this folder into $work/NAME.
build_tool() {
    cc -O2 -o "$work/$1" "$window_dir/$1.c"
}

# Starts the program of RUNDIR in that folder with the shim NAME preloaded and the settings
# given; its process id goes to $pid. With $exec_clock set, the program starts through the
# ExecClock tool, which notes the time of its exec in $exec_clock.
# usage: start_program RUNDIR NAME [VARIABLE=VALUE...]
start_program() {
    local run_dir=$1 shim=$2
    shift 2
    (cd "$run_dir" && exec env LD_PRELOAD="$work/$shim.so" "$@" \
        ${exec_clock:+"$work/ExecClock" "$exec_clock"} ./stend) &
    pid=$!
}

# Ends the program started last, if it still runs.
stop_program() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    pid=""
}
