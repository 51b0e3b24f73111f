#!/usr/bin/env bash
# The real program over a settings file it cannot write: a read-only file, a read-only program
# folder, a folder named Rurized.ini, a FIFO named Rurized.ini and a symbolic link into a
# missing folder. Each time it starts, shows a tool window, shuts down through cmdClose, ends
# normally and leaves the program folder exactly as it found it.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

readonly SCALE_BUTTON=0 CLOSE_BUTTON=8

# Every entry of the program folder with its type, mode, size, time, link target and contents.
snapshot() {
    (cd "$program" && find . -printf '%p %y %m %s %T@ %l\n' | sort &&
        find . -type f -exec md5sum {} + | sort)
}

# Starts the program, expects its launcher at screen point $2, shows the scale window, shuts down
# through cmdClose and checks that the folder is as it was. $1 names the case.
run_over() {
    local before
    before=$(snapshot)
    start_program
    main=$(wait_window "Rurized ")
    [ "$(window_position "$main")" = "$2" ] || fail "$1: the launcher is not at $2"
    click_button "$main" $SCALE_BUTTON
    wait_window ScaleView >/dev/null
    click_button "$main" $CLOSE_BUTTON
    wait_exit "$pid"
    [ "$status" = 0 ] || fail "$1: the program did not end normally (status $status)"
    [ "$(snapshot)" = "$before" ] || fail "$1: the program folder changed"
    chmod 755 "$program"
    rm -rf "$ini" "$program/elsewhere"
}

# The launcher at Left 3000, Top 1500 twips: (200, 100) when the file was read.
settings() {
    printf '[Main]\r\nTop=1500\r\nLeft=3000\r\n' >"$1"
    touch -d '2001-09-09 01:46:40' "$1"
}

settings "$ini"
chmod 444 "$ini"
run_over "read-only file" "200 100"

settings "$ini"
chmod 555 "$program"
run_over "read-only folder" "200 100"

mkdir "$ini"
settings "$ini/inside"
run_over "folder named Rurized.ini" "65 39"

mkfifo "$ini"
run_over "FIFO named Rurized.ini" "65 39"

ln -s elsewhere/Rurized.ini "$ini"
run_over "link into a missing folder" "65 39"

echo "settings file faults end-to-end: passed"
