#!/usr/bin/env bash
# The real program under Xvfb: first start, the launcher's buttons, a refused second copy,
# shut-down through cmdClose and the settings file it leaves, and a restart that finds the
# launcher where it was.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

readonly INFO_BUTTON=7 HELP_BUTTON=6 TOPMOST_BUTTON=5 CLOSE_BUTTON=8

start_program
main=$(wait_window "Rurized ")
[ "$(window_position "$main")" = "65 39" ] || fail "first start not at Left 975, Top 585 twips"
[ ! -e "$ini" ] || fail "the settings file was written at start-up"

# A second copy shows its message and ends without touching the settings file.
"$program/Rurized" >>"$work/log" 2>&1 &
second=$!
message=$(wait_window "Rurized")
xdotool windowfocus --sync "$message" key Return
wait_exit "$second"
[ "$status" = 0 ] || fail "the refused copy did not end normally"
kill -0 "$pid" || fail "the first copy ended"
[ ! -e "$ini" ] || fail "the refused copy wrote the settings file"

# The about window opens from cmdInfo and closes on a click.
click_button "$main" $INFO_BUTTON
about=$(wait_window "Rurized")
sleep 0.3
click_in "$about" 200 100
wait_no_window "Rurized"

click_button "$main" $HELP_BUTTON
wait_window "Rurized ヘルプ" >/dev/null

click_button "$main" $TOPMOST_BUTTON
xdotool windowmove --sync "$main" 800 100
click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"
[ "$status" = 0 ] || fail "shut-down did not end the program normally"

main_section=$(tr -d '\r' <"$ini" | sed -n '/^\[Main\]$/,$p')
[ "$main_section" = "$(printf '[Main]\nTop=1500\nLeft=12000\nWindowFlag=True')" ] ||
    fail "unexpected [Main] section: $main_section"
grep -q $'\r$' "$ini" || fail "the settings file does not use CRLF line ends"

# The next start finds the launcher where it was, even after a copy was killed.
start_program
main=$(wait_window "Rurized ")
[ "$(window_position "$main")" = "800 100" ] || fail "launcher not restored"
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
start_program
main=$(wait_window "Rurized ")
click_button "$main" $TOPMOST_BUTTON
click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"
[ "$status" = 0 ] || fail "second shut-down failed"
tr -d '\r' <"$ini" | grep -qx 'WindowFlag=False' || fail "WindowFlag not switched back"
echo "launcher end-to-end: passed"
