#!/bin/sh
# Starts Стенд in its run-time folder, which holds the theory pages, the pictures and the help it
# reads by relative names. The folder is found from where this launcher really lies, so a link to
# it from anywhere works too.
set -eu
here=$(dirname "$(readlink -f "$0")")
folder="$here/../lib/stend"
if ! cd "$folder" 2>/dev/null; then
    echo "stend: its run-time folder $folder is missing; reinstall the program" >&2
    exit 1
fi
exec ./stend "$@"
