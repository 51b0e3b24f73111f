#!/usr/bin/env bash
# The key window in the real program under Xvfb: opened from the launcher at its default place,
# driven through its scroll bars with the mouse, saved in [Key] at shut-down and found again
# where it was after a restart.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

readonly KEY_BUTTON=1 CLOSE_BUTTON=8

# A checksum of the main key's picture (imgMainKey: 97 x 78 pixels at 51, 24).
main_picture() {
    import -window "$1" -crop 97x78+51+24 +repage rgb:- | md5sum
}

start_program
main=$(wait_window "Rurized ")
click_button "$main" $KEY_BUTTON
key=$(wait_window "RavAvud")
[ "$(window_position "$key")" = "87 122" ] || fail "first start not at Left 1305, Top 1830 twips"
sleep 0.3
c_major=$(main_picture "$key")

# Drag vsbCb's thumb (at C, the bottom of the bar at 17..31, 3..102) to the top: C♭ major.
read -r x y < <(window_position "$key")
xdotool mousemove --sync $((x + 24)) $((y + 75)) mousedown 1 \
    mousemove --sync $((x + 24)) $((y + 40)) mousemove --sync $((x + 24)) $((y + 5)) mouseup 1
sleep 0.3
dragged=$(main_picture "$key")
[ "$dragged" != "$c_major" ] || fail "dragging vsbCb did not change the key"
xdotool search --onlyvisible --name '^RavAvud$' >/dev/null || fail "the key window is not mapped"

# That was seven flats, the end of vsbUpDown (3..17): its down arrow does nothing, its up
# arrow takes one flat away.
click_in "$key" 10 97
sleep 0.3
[ "$(main_picture "$key")" = "$dragged" ] || fail "the drag did not reach seven flats"
click_in "$key" 10 8
sleep 0.3
[ "$(main_picture "$key")" != "$dragged" ] || fail "the up arrow did not change the key"
dragged=$(main_picture "$key")

# The bass clef bar changes the pictures.
click_in "$key" 38 98
sleep 0.3
[ "$(main_picture "$key")" != "$dragged" ] || fail "vsbClef did not change the pictures"

xdotool windowmove --sync "$key" 300 200
click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"; [ "$status" = 0 ] || fail "shut-down did not end the program normally"
[ "$(section Key)" = "$(printf '[Key]\nTop=3000\nLeft=4500')" ] ||
    fail "unexpected [Key] section: $(section Key)"

# After a restart the key window comes back where it was, at C major on the treble clef.
start_program
main=$(wait_window "Rurized ")
click_button "$main" $KEY_BUTTON
key=$(wait_window "RavAvud")
[ "$(window_position "$key")" = "300 200" ] ||
    fail "key window not restored: $(window_position "$key")"
sleep 0.3
[ "$(main_picture "$key")" = "$c_major" ] || fail "the key window did not start at C major"
click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"; [ "$status" = 0 ] || fail "second shut-down failed"
echo "key end-to-end: passed"
