# Shared by the end-to-end tests and the screenshot script: a private X display, a private
# copy of the program folder (the settings file lives there) and a private runtime folder
# (the single-copy lock lives there), so runs never disturb each other.
# Usage: source lib.sh BUILD_FOLDER

build=$(cd "$1" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/rurized-e2e-XXXXXX")
program=$work/program
mkdir -p "$program" "$work/run"
chmod 700 "$work/run"
cp "$build/Rurized" "$build/Rurized.html" "$build/Rurized.en.html" "$build/librurized_synth.so" "$build/librurized_midi.so" "$program/"
export XDG_RUNTIME_DIR=$work/run
# The program speaks the desktop's language; these tests read its Japanese texts, unless the
# caller asks for another. Only the program is told: the tools whose output the tests read
# (pactl, jack_lsp, ...) keep theirs.
language=${RURIZED_LANGUAGE:-ja}
ini=$program/Rurized.ini

# Offsets inside a window are given in the program's own pixels; on a screen scaled by
# QT_SCALE_FACTOR (a whole number here) they cover that many screen pixels each.
zoom=${QT_SCALE_FACTOR:-1}

# -noreset: when its last client goes, an X server resets itself and hangs up on the clients
# that connect meanwhile, as a program started right after another one ended does.
Xvfb -displayfd 3 -screen 0 $((1280 * zoom))x$((800 * zoom))x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

cleanup() {
    pkill -KILL -f "$program/Rurized" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/log" ] && sed 's/^/program: /' "$work/log" >&2
    exit 1
}

# Starts the program in the background; its process id lands in $pid.
start_program() {
    LANGUAGE=$language "$program/Rurized" >>"$work/log" 2>&1 &
    pid=$!
}

# Prints the first shown window that xdotool's search options (all but $1) find, waiting up to
# $1 seconds. A search fails when a window goes while it looks at it (the splash goes at every
# start), so it looks again rather than wait with --sync.
find_window() {
    local id tries=$(($1 * 10))
    shift
    for _ in $(seq $tries); do
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1 || true)
        [ -z "$id" ] || { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits for a shown window whose title is exactly $1 and prints its id.
wait_window() {
    find_window 15 --name "^$1\$" || fail "no window titled '$1'"
}

# Prints "X Y" of a window's top-left corner.
window_position() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y"
}

# Moves the pointer to screen point ($1, $2). xdotool's --sync waits for the pointer to move,
# which never happens when it is already there, so skip the move then.
move_to() {
    local X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    [ "$X" = "$1" ] && [ "$Y" = "$2" ] || xdotool mousemove --sync "$1" "$2"
}

# Clicks the point (dx, dy) of a window.
click_in() {
    local x y
    read -r x y < <(window_position "$1")
    move_to $((x + $2 * zoom)) $((y + $3 * zoom))
    xdotool click 1
}

# Drags with the left button from screen point ($1, $2) to ($3, $4) in small steps, as a hand
# would, and lets the drop target answer before letting go.
drag_between() {
    move_to "$1" "$2"
    xdotool mousedown 1
    sleep 0.2
    for step in 1 2 3 4 5 6 7 8; do
        move_to $(($1 + ($3 - $1) * step / 8)) $(($2 + ($4 - $2) * step / 8))
        sleep 0.05
    done
    move_to $(($3 + 1)) $(($4 + 1))
    sleep 0.3
    xdotool mouseup 1
}

# Clicks launcher button number $2 (0 for cmdScale ... 8 for cmdClose) of launcher window $1.
click_button() {
    click_in "$1" $((33 * $2 + 16)) 16
}

# Waits for process $1 to end and puts its exit status in $status. Call it directly, not in
# $(...): only this shell, the program's parent, can collect the status; a subshell's wait
# finds no such child once the process has ended.
wait_exit() {
    for _ in $(seq 200); do
        kill -0 "$1" 2>/dev/null || { status=0; wait "$1" || status=$?; return 0; }
        sleep 0.05
    done
    fail "process $1 did not end"
}

# Starts a private PulseAudio server with one null sink named $1 for the program to play into;
# its monitor, $1.monitor, can be recorded. The server ends with the script.
start_pulse() {
    export PULSE_RUNTIME_PATH=$work/pulse HOME=$work/home
    mkdir -p "$PULSE_RUNTIME_PATH" "$HOME"
    export PULSE_SERVER=unix:$PULSE_RUNTIME_PATH/native
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        --load="module-null-sink sink_name=$1" \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$PULSE_RUNTIME_PATH/native" \
        >"$work/pulse.log" 2>&1 &
    pulse=$!
    trap 'kill $pulse 2>/dev/null || true; cleanup' EXIT
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && return 0; sleep 0.05; done
    fail "no PulseAudio server: $(cat "$work/pulse.log")"
}

# The same with a private PipeWire and its Pulse service, as current desktops run: the three
# servers end with the script, and $pulse holds them all.
start_pipewire() {
    export HOME=$work/home PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
    mkdir -p "$HOME"
    # WirePlumber, which links streams to sinks, wants a session bus.
    dbus-daemon --session --nofork --address="unix:path=$XDG_RUNTIME_DIR/bus" \
        >"$work/pulse.log" 2>&1 &
    pulse=$!
    trap 'kill $pulse 2>/dev/null || true; cleanup' EXIT
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/bus" ] && break; sleep 0.05; done
    pipewire >>"$work/pulse.log" 2>&1 &
    pulse="$pulse $!"
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/pipewire-0" ] && break; sleep 0.05; done
    wireplumber >>"$work/pulse.log" 2>&1 &
    pulse="$pulse $!"
    pipewire-pulse >>"$work/pulse.log" 2>&1 &
    pulse="$pulse $!"
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
    pactl load-module module-null-sink sink_name="$1" >/dev/null ||
        fail "no PipeWire server: $(cat "$work/pulse.log")"
    pactl set-default-sink "$1"
}
