#!/usr/bin/env bash
# Sound reaching the desktop's sound server: a private PulseAudio (or, with "pipewire" as the
# second argument, a private PipeWire and its Pulse service) with a null sink, the chord window's
# diatonic V and then its play button, the sink's monitor recorded and the chord's pitches found
# in the recording without a dropout; then the server goes away mid-sound.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"

if [ "${2:-}" = pipewire ]; then start_pipewire rurized; else start_pulse rurized; fi

# An idle null sink delivers its first data late: wait until the recording runs. A short
# latency, or PipeWire holds back the recording's last second when it is stopped.
parec -d rurized.monitor --latency-msec=20 --format=s16le --rate=44100 --channels=1 >"$work/recording" &
recorder=$!
for _ in $(seq 100); do [ -s "$work/recording" ] && break; sleep 0.05; done
[ -s "$work/recording" ] || fail "the recording did not start"

start_program
main=$(wait_window "Rurized ")
click_button "$main" 2
chord=$(wait_window VozuvIver)
sleep 2 # the synthesizer loads after start-up; a press then sounds at once
click_in "$chord" 274 108 # cmddiatonic(4): V of C, G major, plays as it shows
sleep 3
click_in "$chord" 328 80 # cmdPlay: the same chord once more
sleep 2.6
kill $recorder

# The server goes away with a chord ringing: a press after that and the close still work.
click_in "$chord" 328 80
sleep 0.5
kill $pulse
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended when its sound server went away"
click_in "$chord" 328 80
sleep 1
click_button "$main" 8
wait_exit "$pid"
[ "$status" = 0 ] || fail "the program ended with status $status after its sound server went away"

heard=$("$build/tests/heard" "$work/recording") || fail "heard: $heard"
[ "$heard" = $'67 71 74\n67 71 74' ] || fail "heard '$heard' instead of G4 B4 D5 twice"
