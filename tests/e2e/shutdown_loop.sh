#!/usr/bin/env bash
# Shut-down under load, again and again: every run starts the program, opens every window,
# starts a chord search and, while it runs, closes the program with cmdClose. Each run must end
# normally and leave a complete settings file with its sections and keys in the order the
# windows close. Every other run starts without a settings file, so that order is the order of
# the writes; the others rewrite the file the run before left. The first run also puts every
# window on top and hides and shows the chord window before the search, which must repaint it.
# Usage: shutdown_loop.sh BUILD_FOLDER [RUNS]
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"
# Qt's libraries are built without frame pointers, where LeakSanitizer's fast unwinding stops:
# in the sanitized build these quick shut-downs unwind in full, so that a leak of Qt's own (its
# D-Bus thread, at an exit while it still starts) shows whose it is. Not for the sound tests:
# unwinding every allocation in full starves the synthesizer.
[ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS=$ASAN_OPTIONS:fast_unwind_on_malloc=0
runs=${2:-6}

readonly SCALE_BUTTON=0 KEY_BUTTON=1 CHORD_BUTTON=2 REFERENCE_BUTTON=3 MEMO_BUTTON=4 \
    TOP_BUTTON=5 HELP_BUTTON=6 CLOSE_BUTTON=8

expected=$(printf '%s\n' '[Scale]' Cromatic Top Left '[Key]' Top Left '[Chord]' Cromatic \
    Matrix{0..18} Top Left HighSpeed '[Memo]' Top Left '[Reference]' Top Left '[Main]' Top Left WindowFlag)

# The settings file as its section heads and key names, one per line, in file order.
skeleton() {
    tr -d '\r' <"$ini" | LC_ALL=C sed -e '/^\[/b' -e 's/=.*//'
}

# A checksum of the chord window's note cells and names, to see the search step through it.
chord_cells() {
    import -window "$1" -crop 340x60+40+10 +repage rgb:- | md5sum
}

for run in $(seq "$runs"); do
    [ $((run % 2)) = 0 ] || rm -f "$ini"
    start_program
    main=$(wait_window "Rurized ")
    # The chord window last, so that nothing covers its note cells.
    for window in "$HELP_BUTTON Rurized ヘルプ" "$SCALE_BUTTON ScaleView" "$KEY_BUTTON RavAvud" \
        "$MEMO_BUTTON MemoPad" "$REFERENCE_BUTTON ReferenceBook"; do
        click_button "$main" "${window%% *}"
        wait_window "${window#* }" >/dev/null
    done
    click_button "$main" $CHORD_BUTTON
    chord=$(wait_window VozuvIver)
    # Run 1 puts every window on top, then hides and shows the chord window, which X11 then makes
    # anew; its cells still repaint: V in C lights the cell of the third, B, in yellow.
    if [ "$run" = 1 ]; then
        for button in $TOP_BUTTON $CHORD_BUTTON $CHORD_BUTTON; do click_button "$main" $button; done
        chord=$(wait_window VozuvIver)
        click_in "$chord" 274 108 && sleep 0.3 # cmddiatonic(4)
        third=$(import -window "$chord" -crop 1x1+$((158 * zoom))+$((18 * zoom)) -depth 8 -format '%[hex:p{0,0}]' info:)
        [ "$third" = FFFF00 ] || fail "the chord window no longer repaints its cells: $third"
    fi
    read -r cx cy < <(window_position "$chord")
    click_in "$chord" 350 60 # cmdSarch
    search=$(wait_window "VozuvIver - Search")
    read -r sx sy < <(window_position "$search")

    # Runs 2, 6, ... tick NoRefresh: the search then ends at once and the dialog shakes
    # while the program closes; in the others the chord window steps through every chord.
    [ $((run % 4)) != 2 ] || click_in "$search" 54 86
    drag_between $((cx + 58)) $((cy + 24)) $((sx + 57)) $((sy + 14))
    before=$(chord_cells "$chord")
    click_in "$search" 196 14 # Start
    for _ in $(seq 50); do
        [ "$(chord_cells "$chord")" = "$before" ] || break
        sleep 0.05
    done
    [ "$(chord_cells "$chord")" != "$before" ] || fail "run $run: the search did not start"

    click_button "$main" $CLOSE_BUTTON
    wait_exit "$pid"
    [ "$status" = 0 ] || fail "run $run: the program ended with status $status"
    [ "$(skeleton)" = "$expected" ] || fail "run $run: settings file incomplete or out of order:
$(tr -d '\r' <"$ini")"
    high_speed=$([ $((run % 4)) = 2 ] && echo 1 || echo 0)
    tr -d '\r' <"$ini" | grep -qx "HighSpeed=$high_speed" || fail "run $run: HighSpeed not $high_speed"
    ! grep -v $'\r$' "$ini" | grep -q . || fail "run $run: a line without CRLF"
done
echo "shut-down under load, $runs runs: passed"
