#!/usr/bin/env bash
# Runs the probe's layout mode on the test widget and checks what the steps do and print and how
# failures end the run: usage PROBE LAYOUTDIR (the folder of bench.txt and its fellows).
set -euo pipefail
probe=$(realpath "$1")
layouts=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() {
    echo "check-probe-layout: $*" >&2
    exit 1
}

# Width and height from a PNG file's header.
png_size() {
    local bytes
    read -ra bytes <<<"$(od -An -tu1 -j16 -N8 "$1")"
    echo "$(((bytes[2] << 8) | bytes[3]))x$(((bytes[6] << 8) | bytes[7]))"
}

run() {
    printf '%s\n' "$@" | "$probe" --layout "$layouts/bench.txt"
}

# Settings go through the setters, so they fire events and repaint; the same value again does
# neither. Every event that takes only the sender or an index is logged as it fires.
out=$(run 'get Bench.Widget1.Count' 'set Bench.Widget1.Count 7' 'set Bench.Widget1.Count 200' \
    'set Bench.Widget1.Count 200' 'set Bench.Widget1.Font.Color clRed' \
    'get Bench.Widget1.Font.Color' "set Bench.Widget1.Caption 'ВКЛ ВЫКЛ'" \
    'get Bench.Widget1.Caption' 'set Bench.Widget1.Options [toFirst, toThird]' \
    'get Bench.Widget1.Options' 'set Bench.Widget1.Maximum 12.5' 'get Bench.Widget1.Maximum' \
    'click Bench.Button1' 'click Bench.Widget1')
expected="Bench.Widget1.Count = 5
event: Widget1.OnChange
event: Widget1.OnChange
event: Widget1.OnOverLimit 0
Bench.Widget1.Font.Color = clRed
Bench.Widget1.Caption = 'ВКЛ ВЫКЛ'
Bench.Widget1.Options = [toFirst, toThird]
Bench.Widget1.Maximum = 12.5
event: Button1.OnClick
event: Widget1.OnEnter
event: Widget1.OnClick"
[ "$out" = "$expected" ] || fail "unexpected output of the settings and clicks:
$out"

# The mouse at points of the widget, dragging after a press; the wheel; keys with modifiers and
# in halves. The widget tells the last input hook that ran.
out=$(run 'press Bench.Widget1 5 7' 'get Bench.Widget1.LastHook' 'move Bench.Widget1 30 20' \
    'get Bench.Widget1.LastHook' 'release Bench.Widget1 31 21' 'get Bench.Widget1.LastHook' \
    'move Bench.Widget1 40 25' 'get Bench.Widget1.LastHook' 'dblclick Bench.Widget1 10 10' \
    'wheel Bench.Widget1 -120' 'get Bench.Widget1.LastHook' 'keydown Bench.Widget1 Shift+a' \
    'get Bench.Widget1.LastHook' 'keydown Bench.Widget1 Ctrl+Alt+b' \
    'get Bench.Widget1.LastHook' 'keyup Bench.Widget1 Shift+c' 'get Bench.Widget1.LastHook' \
    'key Bench.Widget1 Ctrl+z' 'get Bench.Widget1.LastHook')
expected="event: Widget1.OnEnter
Bench.Widget1.LastHook = 'down 5,7'
Bench.Widget1.LastHook = 'move 8 30,20'
event: Widget1.OnClick
Bench.Widget1.LastHook = 'up 0 0 31,21'
Bench.Widget1.LastHook = 'move 0 40,25'
event: Widget1.OnClick
event: Widget1.OnDblClick
Bench.Widget1.LastHook = 'wheel -120 0'
Bench.Widget1.LastHook = 'char 65'
Bench.Widget1.LastHook = 'keydown 66 6'
Bench.Widget1.LastHook = 'keyup 67 1'
Bench.Widget1.LastHook = 'keyup 90 4'"
[ "$out" = "$expected" ] || fail "unexpected output of the mouse and keys:
$out"

# A shot of one component is its rectangle; each repaint request runs the painting once.
out=$(run 'shot Bench.Widget1 widget.png' 'paints Bench.Widget1' 'set Bench.Widget1.Count 1' \
    'wait 20' 'paints Bench.Widget1' 'set Bench.Widget1.Count 1' 'wait 20' 'paints Bench.Widget1')
[ "$(png_size widget.png)" = "100x60" ] || fail "the component shot is $(png_size widget.png)"
read -r first second third <<<"$(sed -n 's/^Bench.Widget1 paints = //p' <<<"$out" | xargs)"
[ -n "$third" ] && [ "$first" -gt 0 ] && [ "$second" -eq $((first + 1)) ] &&
    [ "$third" -eq "$second" ] || fail "unexpected paint counts:
$out"

# Methods a class publishes for scripts take their arguments in layout text form, a quoted text
# with its blanks; what they return is told.
out=$(printf '%s\n' 'call Drawing.Canvas1.AddLine -50 0 50 0' \
    "call Drawing.Canvas1.AddText 'на оси' 0 10.5" 'shot Drawing.Canvas1 canvas.png' \
    'call Drawing.Canvas1.Clear' 'call Drawing.Canvas1.AddEllipse 0 0 20 20' |
    "$probe" --layout "$layouts/canvas.txt")
expected="Drawing.Canvas1.AddLine = 0
Drawing.Canvas1.AddText = 1
Drawing.Canvas1.AddEllipse = 0"
[ "$out" = "$expected" ] || fail "unexpected output of the calls:
$out"
[ "$(png_size canvas.png)" = "200x200" ] || fail "the canvas shot is $(png_size canvas.png)"

# Refusals end the run with exit code 1 and a message that says what is wrong.
expect_refusal() {
    local layout=$1 step=$2 words=$3 err
    if err=$(echo "$step" | "$probe" --layout "$layouts/$layout" 2>&1 >/dev/null); then
        fail "'$step' on $layout was carried out"
    fi
    grep -q -- "$words" <<<"$err" || fail "'$step' on $layout failed with: $err"
}
expect_refusal handler.txt '' 'Button1.OnClick names the handler Button1Click'
expect_refusal not-a-form.txt '' 'must be a TForm'
expect_refusal missing.txt '' 'Cannot open the layout'
expect_refusal bench.txt 'set Bench.Widget1.Bogus 1' 'Unknown property: Bench.Widget1.Bogus'
expect_refusal bench.txt 'set Bench.Widget1.Active 12' 'Cannot set Bench.Widget1.Active to 12'
expect_refusal bench.txt "set Bench.Widget1.Caption 'open" 'Cannot set Bench.Widget1.Caption'
expect_refusal bench.txt "set Bench.Widget1.LastHook 'x'" 'Bench.Widget1.LastHook is read-only'
expect_refusal bench.txt 'set Bench.Widget1.OnClick Foo' 'is an event'
expect_refusal bench.txt 'set Bench.Widget1.Count' 'Usage: set'
expect_refusal bench.txt 'paints Bench.Button1' 'no instrument widget'
expect_refusal bench.txt 'key Bench.Widget1 Hyper+a' 'Unknown key'
expect_refusal bench.txt 'press Bench.Widget1 5' 'Usage: press'
expect_refusal canvas.txt 'call Drawing.Canvas1.Paint' 'Unknown method: Drawing.Canvas1.Paint'
expect_refusal canvas.txt 'call Drawing.Canvas1.AddLine 1 2' 'Cannot call Drawing.Canvas1.AddLine'
expect_refusal canvas.txt "call Drawing.Canvas1.AddText 1 2 3" 'Cannot call Drawing.Canvas1.AddText'
if "$probe" --layout </dev/null 2>/dev/null; then
    fail "--layout without a file was accepted"
fi
echo "check-probe-layout: all steps behaved"
