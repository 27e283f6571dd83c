#!/usr/bin/env bash
# Renders gallery layouts through the probe: usage PROBE OUTDIR LAYOUT.txt...
# Each LAYOUT.txt becomes OUTDIR/LAYOUT.png; the steps of LAYOUT.steps, if there is one, run
# before the shot (to focus, press or drag something). A shot among the steps that names a bare
# FILE.png is written as OUTDIR/LAYOUT-FILE.png, for pictures of moments before the last one. A
# layout that does not load, a step that fails or a widget whose painting fails makes the run fail.
set -euo pipefail
probe=$1
out=$2
shift 2
mkdir -p "$out"
status=0
for layout in "$@"; do
    name=$(basename "$layout" .txt)
    steps="${layout%.txt}.steps"
    picture="$out/$name.png"
    rm -f "$picture"
    if ! report=$({ [ -f "$steps" ] && sed -E "s#^(shot +[^ ]+ +)([^/ ]+\.png) *\$#\1$out/$name-\2#" "$steps"
        echo "shot TForm $picture"; } |
        "$probe" --layout "$layout" 2>&1); then
        echo "gallery: $name: $report" >&2
        status=1
    elif grep -q '^paint failed:' <<<"$report"; then
        echo "gallery: $name: $(grep '^paint failed:' <<<"$report")" >&2
        status=1
    elif [ ! -s "$picture" ]; then
        echo "gallery: $name: no picture was written" >&2
        status=1
    else
        echo "gallery: $picture"
    fi
done
exit $status
