#!/usr/bin/env bash
# The single-copy rule under a race: twenty copies started at the same instant leave exactly one
# running. Every other copy shows its message and ends normally once it is dismissed, and none
# of them touches the settings file. Then the running copy is killed with SIGKILL and twenty
# more race over the lock it left: again exactly one runs. Neither the age of a running copy's
# lock nor an empty lock left by a copy killed while it took the lock misleads a later start.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

readonly COPIES=20 CLOSE_BUTTON=8

printf '[Main]\r\nTop=1500\r\nLeft=3000\r\n' >"$ini"
touch -d '2001-09-09 01:46:40' "$ini"
settings=$(stat -c '%s %Y' "$ini" && md5sum <"$ini")

# Every copy waits at the gate for one line, and all the lines come at once. The gate stays open
# for writing in this shell, so a copy that comes late still finds its line.
gate=$work/gate
mkfifo "$gate"
exec 4<>"$gate"

# Dismisses the message of refused copy $1 with Return and checks that the copy ends normally.
dismiss() {
    local message
    message=$(find_window 30 --all --pid "$1" --name '^Rurized$') ||
        fail "copy $1 shows no message"
    xdotool windowfocus --sync "$message" key Return
    wait_exit "$1"
    [ "$status" = 0 ] || fail "the refused copy $1 ended with status $status"
}

# Starts $COPIES copies at once; expects one launcher and a message from each other copy, and
# leaves the running copy in $pid.
race() {
    local copies=() copy shown
    for _ in $(seq $COPIES); do
        (
            exec 4>&-
            read -r _ <"$gate"
            exec "$program/Rurized"
        ) >>"$work/log" 2>&1 &
        copies+=($!)
    done
    printf '\n%.0s' $(seq $COPIES) >&4

    main=$(find_window 60 --name '^Rurized $') || fail "no copy runs"
    pid=$(xdotool getwindowpid "$main")
    for _ in $(seq 600); do
        shown=$(xdotool search --onlyvisible --name '^Rurized$' 2>/dev/null | wc -l || true)
        [ "$shown" -lt $((COPIES - 1)) ] || break
        sleep 0.1
    done
    [ "$shown" = $((COPIES - 1)) ] || fail "$shown messages for $((COPIES - 1)) refused copies"
    [ "$(xdotool search --onlyvisible --name '^Rurized $' | wc -l)" = 1 ] ||
        fail "more than one launcher"
    for copy in "${copies[@]}"; do
        [ "$copy" = "$pid" ] || dismiss "$copy"
    done
    kill -0 "$pid" || fail "the running copy ended"
    [ "$(stat -c '%s %Y' "$ini" && md5sum <"$ini")" = "$settings" ] ||
        fail "a refused copy touched the settings file"
}

race
kill -KILL "$pid"
{ wait "$pid" || true; } 2>/dev/null

race

# However old the running copy's lock, it still refuses the next copy.
touch -d '2001-09-09 01:46:40' "$XDG_RUNTIME_DIR/Rurized.lock"
running=$pid
start_program
dismiss "$pid"
pid=$running
kill -0 "$pid" || fail "the running copy ended"

click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"
[ "$status" = 0 ] || fail "the running copy did not end normally"
tr -d '\r' <"$ini" | grep -qx 'Left=3000' || fail "the running copy did not keep its place"
[ ! -e "$XDG_RUNTIME_DIR/Rurized.lock" ] || fail "the lock outlived its copy"

# A copy killed after it created its lock file and before it wrote its process id into it leaves
# an empty lock; once that is a little old, it keeps no one out.
: >"$XDG_RUNTIME_DIR/Rurized.lock"
touch -d '2001-09-09 01:46:40' "$XDG_RUNTIME_DIR/Rurized.lock"
start_program
main=$(find_window 15 --name '^Rurized $') || fail "an empty lock keeps the next copy out"
click_button "$main" $CLOSE_BUTTON
wait_exit "$pid"
[ "$status" = 0 ] || fail "the copy after an empty lock did not end normally"
echo "single copy end-to-end: passed"
