#!/usr/bin/env bash
# The real program under Xvfb: the memo pad and the reference book open from the launcher at
# their default places, a stroke drawn with the mouse shows on the memo pad, shut-down through
# cmdClose keeps both positions, and a restart finds both windows where they were.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

readonly REFERENCE_BUTTON=3 MEMO_BUTTON=4 CLOSE_BUTTON=8

# Prints the colour of the pixel (x, y) of a window as #RRGGBB.
pixel() {
    import -window "$1" "$work/shot.png"
    convert "$work/shot.png" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}

start_program
main=$(wait_window "Rurized ")

click_button "$main" $MEMO_BUTTON
memo=$(wait_window "MemoPad")
[ "$(window_position "$memo")" = "178 229" ] || fail "memo pad not at Left 2670, Top 3435 twips"
sleep 0.3
draw_in "$memo" 1 40 60 100 60 160 60
sleep 0.3
[ "$(pixel "$memo" 100 60)" = "#000000" ] || fail "the stroke is not on the memo pad"
[ "$(pixel "$memo" 100 80)" = "#FFFFFF" ] || fail "the memo pad is not white beside the stroke"

click_button "$main" $REFERENCE_BUTTON
reference=$(wait_window "ReferenceBook")
[ "$(window_position "$reference")" = "151 189" ] ||
    fail "reference book not at Left 2265, Top 2835 twips"

xdotool windowmove --sync "$memo" 500 400
xdotool windowmove --sync "$reference" 820 150
click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"
[ "$status" = 0 ] || fail "shut-down did not end the program normally"

[ "$(section Memo)" = "$(printf '[Memo]\nTop=6000\nLeft=7500')" ] ||
    fail "unexpected [Memo] section: $(section Memo)"
[ "$(section Reference)" = "$(printf '[Reference]\nTop=2250\nLeft=12300')" ] ||
    fail "unexpected [Reference] section: $(section Reference)"

start_program
main=$(wait_window "Rurized ")
click_button "$main" $MEMO_BUTTON
[ "$(window_position "$(wait_window "MemoPad")")" = "500 400" ] || fail "memo pad not restored"
click_button "$main" $REFERENCE_BUTTON
[ "$(window_position "$(wait_window "ReferenceBook")")" = "820 150" ] ||
    fail "reference book not restored"
click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"
[ "$status" = 0 ] || fail "second shut-down failed"
echo "memo pad and reference book end-to-end: passed"
