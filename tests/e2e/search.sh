#!/usr/bin/env bash
# The chord search in the real program: a note cell dragged from the chord window onto a
# search box, "Start", and a program that answers afterwards.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

readonly CHORD_BUTTON=2 CLOSE_BUTTON=8

start_program
main=$(wait_window "Rurized ")
click_button "$main" $CHORD_BUTTON
chord=$(wait_window VozuvIver)
read -r cx cy < <(window_position "$chord")

click_in "$chord" 363 60 # cmdSarch
search=$(wait_window "VozuvIver - Search")
read -r sx sy < <(window_position "$search")

# Drag the root cell (C) onto the first search box.
drag_between $((cx + 58)) $((cy + 24)) $((sx + 57)) $((sy + 14))
sleep 0.3

# Before the search nothing is lit; after it the chord window shows C mM7, whose minor third
# (the fourth cell) is lit yellow. The search only runs when the drop filled a box.
[ "$(pixel $((cx + 44 + 3 * 28 + 14)) $((cy + 18)))" != "255,255,0" ] || fail "a cell was lit before the search"
# While the search steps through the chords the cell flashes with every minor chord, so wait
# until it stays lit: ten looks in a row, far longer than one chord is shown.
click_in "$search" 196 14 # Start
lit=0
for _ in $(seq 300); do
    if [ "$(pixel $((cx + 44 + 3 * 28 + 14)) $((cy + 18)))" = "255,255,0" ]; then
        lit=$((lit + 1))
        [ $lit -lt 10 ] || break
    else
        lit=0
    fi
    sleep 0.1
done
[ $lit -ge 10 ] || fail "the search did not run: the drop did not reach the box"
sleep 1 # the dialog's closing shake

click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"
[ "$status" = 0 ] || fail "the program did not answer after the search"
tr -d '\r' <"$ini" | grep -qx 'HighSpeed=0' || fail "the search dialog did not keep its NoRefresh box"
echo "chord search end-to-end: passed"
