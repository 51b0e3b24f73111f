#!/usr/bin/env bash
# The single-copy rule under a race: copies started at the same instant leave exactly one
# running; every other copy shows its message, ends normally once it is dismissed and leaves the
# settings file alone. A copy killed with SIGKILL leaves a lock that the next race gets past; a
# running copy's lock refuses however old it is; an empty lock left by a copy killed while it
# took the lock keeps no one out once it is a little old.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

readonly COPIES=10 CLOSE_BUTTON=8 old='2001-09-09 01:46:40'

printf '[Main]\r\nTop=1500\r\nLeft=3000\r\n' >"$ini"
touch -d "$old" "$ini"
settings=$(stat -c '%s %Y' "$ini" && md5sum <"$ini")

# Every copy waits at the gate for one line, and all the lines come at once.
gate=$work/gate
mkfifo "$gate"
exec 4<>"$gate"

dismiss() {
    local message
    message=$(find_window 30 --all --pid "$1" --name '^Rurized$') || fail "copy $1 shows no message"
    xdotool windowfocus --sync "$message" key Return
    wait_exit "$1"
    [ "$status" = 0 ] || fail "the refused copy $1 ended with status $status"
}

# Starts the copies at once, expects one launcher, dismisses every other copy's message and
# leaves the running copy in $pid.
race() {
    local copies=() copy
    for _ in $(seq $COPIES); do
        ( exec 4>&-; read -r _ <"$gate"; LANGUAGE=$language exec "$program/Rurized" ) >>"$work/log" 2>&1 &
        copies+=($!)
    done
    printf '\n%.0s' $(seq $COPIES) >&4
    main=$(find_window 60 --name '^Rurized $') || fail "no copy runs"
    pid=$(xdotool getwindowpid "$main")
    for copy in "${copies[@]}"; do
        [ "$copy" = "$pid" ] || dismiss "$copy"
    done
    [ "$(xdotool search --onlyvisible --name '^Rurized $' | wc -l)" = 1 ] || fail "more than one launcher"
    kill -0 "$pid" || fail "the running copy ended"
    [ "$(stat -c '%s %Y' "$ini" && md5sum <"$ini")" = "$settings" ] ||
        fail "a refused copy touched the settings file"
}

race
kill -KILL "$pid"
{ wait "$pid" || true; } 2>/dev/null
race

touch -d "$old" "$XDG_RUNTIME_DIR/Rurized.lock"
running=$pid
start_program
dismiss "$pid"
pid=$running
click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"
[ "$status" = 0 ] || fail "the running copy did not end normally"
[ ! -e "$XDG_RUNTIME_DIR/Rurized.lock" ] || fail "the lock outlived its copy"

: >"$XDG_RUNTIME_DIR/Rurized.lock"
touch -d "$old" "$XDG_RUNTIME_DIR/Rurized.lock"
start_program
main=$(find_window 15 --name '^Rurized $') || fail "an empty lock keeps the next copy out"
click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"
echo "single copy end-to-end: passed"
