#!/usr/bin/env bash
# Runs stend-probe as a developer would, from a copy of the run-time folder, and checks what it
# prints and how it exits: usage PROBE RUNDIR.
set -euo pipefail
probe=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$2"/txt "$2"/ico "$2"/Help.chm "$work"/
cd "$work"

fail() {
    echo "check-probe: $*" >&2
    exit 1
}

# The splash hands over at 18 x 130 ms; the menu's exit button then ends the program.
out=$(printf '%s\n' 'get TForm1.Image9.Visible' 'wait 2339' 'get TForm1.Visible' 'wait 1' \
    'get Form1.Visible' 'get TForm3.Front' 'get TForm3.Image2.Cursor' 'get TForm4.Color' \
    'get TForm5.SpeedButton1.Font.Name' 'click TForm3.Image4' 'key TForm4.RichEdit1 PageDown' \
    'shot TForm5 dialog.png' 'click TForm3.Image5' 'get TForm1.Visible' | "$probe")
expected='TForm1.Image9.Visible = False
TForm1.Visible = True
Form1.Visible = False
TForm3.Front = True
TForm3.Image2.Cursor = crHandPoint
TForm4.Color = clBtnFace
TForm5.SpeedButton1.Font.Name = '"'MS Sans Serif'"'
shell open: Help.chm
ended'
[ "$out" = "$expected" ] || fail "unexpected output:
$out"
[ "$(head -c 4 dialog.png | tail -c 3)" = "PNG" ] || fail "the shot is no PNG file"

# Settings go through the setters; a component's shot is its rectangle of the composed form.
out=$(printf '%s\n' 'set TForm5.SpeedButton1.Font.Color clRed' 'get TForm5.SpeedButton1.Font.Color' \
    'shot TForm5.SpeedButton1 button.png' | "$probe")
[ "$out" = "TForm5.SpeedButton1.Font.Color = clRed" ] || fail "unexpected output of set:
$out"
read -ra header <<<"$(od -An -tu1 -j16 -N8 button.png)"
[ "$(((header[2] << 8) | header[3]))x$(((header[6] << 8) | header[7]))" = "99x35" ] ||
    fail "the component shot is not the button's rectangle"

# The desktop's close on the menu ends the program; on the dialog it goes back as "НЕТ" does.
# Without the pictures the first theory page cannot load at start-up either: its error box is
# no concern here.
out=$(printf '%s\n' 'wait 2340' 'close TForm3' 'get TForm1.Visible' | "$probe")
[ "$out" = "ended" ] || fail "closing the menu from the desktop did not end the program: $out"
mv ico ico-away
out=$(printf '%s\n' 'wait 2340' 'press TForm3.Image2' 'get TForm3.Enabled' 'close TForm5' \
    'get TForm5.Visible' 'get TForm3.Enabled' | "$probe" | grep -v '^message: ')
mv ico-away ico
[ "$out" = "TForm3.Enabled = False
TForm5.Visible = False
TForm3.Enabled = True" ] || fail "closing the dialog from the desktop: $out"

# Unknown forms, components, properties and steps end the run with a message and exit code 1.
for step in 'get TForm9.Visible' 'click TForm3.Image99' 'get TForm3.Image2.Bogus' 'frob' \
    'key TForm4.RichEdit1 NoSuchKey' 'wait soon' 'set TForm3.Image2.Bogus 1' \
    'set TForm3.Image2.Visible 7' 'close' 'close TForm8'; do
    if err=$(echo "$step" | "$probe" 2>&1 >/dev/null); then
        fail "'$step' was carried out"
    fi
    [ -n "$err" ] || fail "'$step' failed without a message"
done
echo "check-probe: all steps behaved"
