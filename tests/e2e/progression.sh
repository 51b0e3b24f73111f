#!/usr/bin/env bash
# A progression made in the real program and heard through a private PulseAudio: three chords
# put in from the chord window, played in time and found in order in the recording; then the
# row dragged out, whose MIDI file FluidSynth's own command-line player renders to the same
# chords.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"
export TMPDIR=$work # where a dragged row leaves its MIDI file

start_pulse rurized
printf '[Progression]\r\nTempo=120\r\n' >"$ini" # four beats a chord: two seconds each

start_program
main=$(wait_window "Rurized ")
click_button "$main" 2
chord=$(wait_window VozuvIver)
sleep 2 # the synthesizer loads after start-up
click_in "$chord" 155 108 # cmddiatonic(0): C
click_in "$chord" 372 60 # cmdProgression: C into the row
progression=$(wait_window Progression)
read -r cx cy < <(window_position "$chord")
for x in 305 245; do # Am and F, with Shift
    move_to $((cx + x * zoom)) $((cy + 108 * zoom))
    xdotool keydown shift click 1 keyup shift
    sleep 0.3
done
sleep 3 # what the buttons played dies away

parec -d rurized.monitor --format=s16le --rate=44100 --channels=1 >"$work/recording" &
recorder=$!
for _ in $(seq 100); do [ -s "$work/recording" ] && break; sleep 0.05; done
[ -s "$work/recording" ] || fail "the recording did not start"
click_in "$progression" 286 14 # cmdPlay
sleep 7
kill $recorder
heard=$("$build/tests/heard" --steps 3 2000 "$work/recording") || fail "heard: $heard"
expected=$'60 64 67\n60 64 69\n60 65 69' # C, then Am and F on the notes nearest before
[ "$heard" = "$expected" ] || fail "the row sounded '$heard', not '$expected'"

# The "MIDI" handle dragged away: the drag's file, rendered by FluidSynth's player.
read -r px py < <(window_position "$progression")
move_to $((px + 315 * zoom)) $((py + 154 * zoom))
xdotool mousedown 1 mousemove_relative 30 30 sleep 0.2 mousemove_relative 200 100 sleep 0.2 mouseup 1
sleep 0.5
midi="$work/Rurized progression.mid"
[ -s "$midi" ] || fail "the drag left no MIDI file"
fluidsynth -ni -q -g 0.5 -r 44100 -o audio.file.type=raw -o audio.file.format=s16 \
    -F "$work/rendered" /usr/share/sounds/sf2/default-GM.sf2 "$midi" >/dev/null 2>&1 ||
    fail "FluidSynth did not render the dragged file"
rendered=$("$build/tests/heard" --steps 3 2000 "$work/rendered" --stereo) || fail "heard: $rendered"
[ "$rendered" = "$expected" ] || fail "the dragged file sounded '$rendered', not '$expected'"

click_button "$main" 8
wait_exit "$pid"
[ "$status" = 0 ] || fail "the program ended with status $status"
