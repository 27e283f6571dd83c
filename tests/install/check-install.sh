#!/usr/bin/env bash
# Installs the build into a prefix of its own, as `cmake --install` would for a user, checks the
# tree and that the launcher starts the program in its run-time folder from anywhere:
# usage CMAKE BUILDDIR.
set -euo pipefail
cmake=$1
build=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/stend-install-check-XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

fail() {
    echo "check-install: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" ||
    fail "cmake --install failed: $(cat "$work/install.log")"

for path in bin/stend lib/stend/stend; do
    [ -x "$prefix/$path" ] || fail "$path is missing or not executable"
done
for path in lib/stend/Help.chm lib/stend/txt/11.rtf lib/stend/txt/2.rtf lib/stend/txt/3.rtf \
    lib/stend/txt/4.rtf lib/stend/txt/5.rtf "lib/stend/ico/1(new).jpg" "lib/stend/ico/5(new).jpg" \
    lib/stend/ico/2.ico lib/stend/ico/v3.ico share/applications/stend.desktop; do
    [ -s "$prefix/$path" ] || fail "$path is missing or empty"
done

entry="$prefix/share/applications/stend.desktop"
for line in 'Type=Application' 'Name=Стенд' 'Exec=stend' 'Icon=stend'; do
    grep -qx "$line" "$entry" || fail "the desktop entry lacks $line"
done
grep -q '^Categories=Education;.*Physics;' "$entry" || fail "the desktop entry is not in Education/Physics"

# Each icon is a PNG of its own size: the width and height are the big-endian words at 16 and 20.
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/stend.png"
    [ -s "$icon" ] || fail "no ${size}x${size} icon"
    [ "$(head -c 4 "$icon" | tail -c 3)" = "PNG" ] || fail "the ${size}x${size} icon is no PNG"
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "the ${size}x${size} icon is ${width}x${height}"
done

# Without a display the installed program, started through the launcher, says what is missing.
cd /
if env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$prefix/bin/stend" 2>"$work/err"; then
    fail "the program ran without a display"
fi
grep -q 'xvfb-run' "$work/err" || fail "no word on how to run without a display: $(cat "$work/err")"
[ "$(wc -l <"$work/err")" = 1 ] || fail "more than one line without a display: $(cat "$work/err")"

# Through a link from elsewhere the launcher still finds the run-time folder: a stand-in for the
# program reports where it was started and with what.
mkdir "$work/elsewhere"
ln -s "$prefix/bin/stend" "$work/elsewhere/stend"
printf '#!/bin/sh\necho "$(pwd -P) $*"\n' >"$prefix/lib/stend/stend"
started=$("$work/elsewhere/stend" one two)
[ "$started" = "$(cd "$prefix/lib/stend" && pwd -P) one two" ] ||
    fail "the launcher started the program as: $started"

# A run-time folder gone is told plainly.
rm -rf "$prefix/lib/stend"
if "$prefix/bin/stend" 2>"$work/err"; then
    fail "the launcher ran without its run-time folder"
fi
grep -q 'run-time folder' "$work/err" || fail "no word on the missing folder: $(cat "$work/err")"
echo "check-install: the installed tree and its launcher are as they should be"
