#!/usr/bin/env bash
# Pictures of the bench as a student sees it: with the mains off, and with the mains on in each
# scheme at rheostat steps 0, 7 and 15. Usage: bench-shots.sh PROBE RUNDIR OUTDIR
set -euo pipefail
probe=$(realpath "$1")
rundir=$2
outdir=$(realpath -m "$3")
mkdir -p "$outdir"

# Clicks come 600 ms apart so that no two of them make a double click.
arrow() {
    local name=$1 count=$2
    for ((i = 0; i < count; ++i)); do
        printf 'click TForm2.%s\nwait 600\n' "$name"
    done
}

# The mode switch's marks, from the top: no scheme, independent, series, shunt.
mode() {
    local y
    case $1 in
    independent) y=50 ;;
    series) y=88 ;;
    shunt) y=125 ;;
    esac
    printf 'click TForm2.iSwitchSlider1 14 %s\nwait 600\n' "$y"
}

{
    printf 'wait 2340\nclick TForm3.Image2\nwait 600\n'
    printf 'shot TForm2 %s/bench-off.png\n' "$outdir"
    printf 'click TForm2.iSwitchLed1\nwait 1000\n'
    for scheme in independent series shunt; do
        mode "$scheme"
        printf 'shot TForm2 %s/bench-%s-0.png\n' "$outdir" "$scheme"
        arrow iLedArrow1 7
        printf 'shot TForm2 %s/bench-%s-7.png\n' "$outdir" "$scheme"
        arrow iLedArrow1 8
        printf 'shot TForm2 %s/bench-%s-15.png\n' "$outdir" "$scheme"
        arrow iLedArrow2 15
    done
    printf 'quit\n'
} | (cd "$rundir" && "$probe")
