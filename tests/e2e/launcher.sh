#!/usr/bin/env bash
# The real program under Xvfb: first start at the launcher's default place without writing the
# settings file, the help from its button, and a shut-down through cmdClose that ends normally
# and leaves [Main] in CRLF lines.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

readonly HELP_BUTTON=6 TOPMOST_BUTTON=5 CLOSE_BUTTON=8

start_program
main=$(wait_window "Rurized ")
[ "$(window_position "$main")" = "65 39" ] || fail "first start not at Left 975, Top 585 twips"
[ ! -e "$ini" ] || fail "the settings file was written at start-up"

click_button "$main" $HELP_BUTTON
wait_window "Rurized ヘルプ" >/dev/null

click_button "$main" $TOPMOST_BUTTON
xdotool windowmove --sync "$main" 800 100
click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"
[ "$status" = 0 ] || fail "shut-down did not end the program normally"
[ "$(tr -d '\r' <"$ini" | sed -n '/^\[Main\]$/,$p')" = "$(printf '[Main]\nTop=1500\nLeft=12000\nWindowFlag=True')" ] ||
    fail "unexpected [Main] section: $(cat -A "$ini")"
! grep -qv $'\r$' "$ini" || fail "a line of the settings file does not end in CRLF"
echo "launcher end-to-end: passed"
