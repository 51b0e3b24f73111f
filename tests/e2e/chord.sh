#!/usr/bin/env bash
# The scale and chord windows in the real program: open them from the launcher, drag the root,
# cycle both spellings, rename an interval, and find all of it again after a restart.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

readonly SCALE_BUTTON=0 CHORD_BUTTON=2 CLOSE_BUTTON=8

# Prints the value of key $2 in section $1 of the settings file, line ends removed.
setting() {
    tr -d '\r' <"$ini" | sed -n "/^\[$1\]\$/,/^\[/p" | sed -n "s/^$2=//p"
}

start_program
main=$(wait_window "Rurized ")
click_button "$main" $SCALE_BUTTON
scale=$(wait_window ScaleView)
click_button "$main" $CHORD_BUTTON
chord=$(wait_window VozuvIver)

# Drag the chord window's root thumb from C at the bottom up towards B.
read -r x y < <(window_position "$chord")
xdotool mousemove --sync $((x + 12)) $((y + 80)) mousedown 1 mousemove --sync $((x + 12)) $((y + 30)) \
    mousemove --sync $((x + 12)) $((y + 15)) mouseup 1

click_in "$scale" 285 24 # cmdOption: sharps -> flats
click_in "$chord" 341 60 # cmdOption: mixed -> sharps

click_in "$chord" 363 80 # cmdSetting opens the interval names
dialog=$(wait_window "VozuvIver - Matrix")
click_in "$dialog" 330 32 # slot 6's lower option, the augmented fourth
click_in "$dialog" 342 104 # Enter
wait_no_window "VozuvIver - Matrix"
sleep 0.2 # the modal loop ends just after the dialog is unmapped

click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"; [ "$status" = 0 ] || fail "shut-down failed (status $status)"
[ "$(setting Scale Cromatic)" = 2 ] || fail "scale spelling not saved"
[ "$(setting Chord Cromatic)" = 1 ] || fail "chord spelling not saved"
[ "$(setting Chord Matrix6 | iconv -f CP932 -t UTF-8)" = "増4" ] || fail "interval name not saved"
# Every window writes its own section as it closes, in the launcher's shut-down order.
sections=$(tr -d '\r' <"$ini" | grep '^\[' | tr -d '[]' | tr '\n' ' ')
expected=""
for name in Scale Key Chord Memo Reference Main; do
    case " $sections" in *" $name "*) expected+="$name " ;; esac
done
[ "$sections" = "$expected" ] || fail "sections written out of order: $sections"

# A restart reads them back and writes them again unchanged.
start_program
main=$(wait_window "Rurized ")
click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"; [ "$status" = 0 ] || fail "second shut-down failed"
[ "$(setting Scale Cromatic)" = 2 ] && [ "$(setting Chord Cromatic)" = 1 ] || fail "spellings lost"
[ "$(setting Chord Matrix6 | iconv -f CP932 -t UTF-8)" = "増4" ] || fail "interval name lost"
echo "scale and chord end-to-end: passed"
