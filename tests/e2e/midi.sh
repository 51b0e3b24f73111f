#!/usr/bin/env bash
# MIDI in and out of the real program through a private JACK server (dummy backend): chords held
# on a "keyboard" show in the chord window and fill the chord search, a play goes out on the kept
# channel with every note-off, also after the MIDI dialog was opened and closed, and a flood of
# messages and bytes that are no MIDI leave the program answering.
# The test is pinned to JACK: the program opens the ALSA sequencer where it can, so here ALSA is
# given an empty configuration, under which the sequencer never opens.
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1"
send() { "$build/tests/midi_send" Rurized:in "$@" || fail "could not send to the program"; }

export JACK_DEFAULT_SERVER=rurized-e2e-$$ JACK_NO_START_SERVER=1 ALSA_CONFIG_PATH=/dev/null
# Long periods: on a busy machine short ones are missed, and after a missed one JACK may never
# wake a client again.
jackd --no-realtime -n "$JACK_DEFAULT_SERVER" -d dummy -r 48000 -p 2048 >"$work/jackd.log" 2>&1 &
jack=$!
trap 'kill ${dump:-} $jack 2>/dev/null || true; cleanup' EXIT
jack_wait --wait --timeout 5 >/dev/null || fail "no JACK server: $(cat "$work/jackd.log")"

printf '[Midi]\r\nOut=1\r\nChannel=7\r\n' >"$ini" # plays go to the MIDI output as well
start_program
main=$(wait_window "Rurized ")
click_button "$main" 2
chord=$(wait_window VozuvIver)
# The output port opens after the input port.
for _ in $(seq 100); do out=$(jack_lsp | grep -m1 -E '^Rurized.*:out$') && break; sleep 0.05; done
[ -n "$out" ] || fail "the program has no MIDI output port"
# A MIDI monitor listens to the output from here on; the connection takes effect some cycles
# later.
jack_midi_dump dump >"$work/dump" 2>&1 &
dump=$!
for _ in $(seq 100); do jack_connect "$out" dump:input 2>/dev/null && break; sleep 0.05; done
sleep 0.5 # the ports are there before the program has taken them over from its worker

# Copies what the chord window shows.
shown() {
    xdotool windowfocus --sync "$chord" key ctrl+c
    sleep 0.2
    xclip -o -selection clipboard
}

# An inversion held alone on the chord window reads as a slash chord, and letting go one key
# at a time keeps it.
send on:52 on:55 on:60 wait:200 off:52 off:55 off:60
sleep 0.3
[ "$(shown)" = "C/E: E G C" ] || fail "the held E3 G3 C4 showed '$(shown)'"

# The MIDI dialog, opened from the launcher's menu and closed, keeps channel 7; then a click on the
# play button sends the chord out there, every note-on with its note-off.
xdotool windowfocus --sync "$main" key Menu Down Down Return
xdotool windowfocus --sync "$(wait_window "MIDI の設定")" key Escape
click_in "$chord" 328 80 # cmdPlay
sleep 2.5
kill $dump
# jack_midi_dump counts channels from 0: "note on  (channel  6): pitch  60,".
sent() { grep -cE "note $1 +\(channel +6\): pitch +(60|64|67)," "$work/dump" || true; }
[ "$(sent on)" = 6 ] && [ "$(sent off)" = 6 ] ||
    fail "$(sent on) note-ons and $(sent off) note-offs of C E G, not 6 each: $(cat "$work/dump")"

# With the search open, held notes fill its boxes and its lists at once; a hit then shows
# in the chord window holding every held note.
click_in "$chord" 350 60 # cmdSarch
search=$(wait_window "VozuvIver - Search")
send on:62 on:65 on:69 on:72 wait:300
# They went to the search, not to the chord window, which shows the last chord the search tried.
[ "$(shown)" = "C mM7: C E♭ G B" ] || fail "with the search open, D F A C showed '$(shown)'"
click_in "$search" 40 36 # the first plain hit
sleep 0.3
line=$(shown)
for note in D F A C; do
    [[ " ${line#*: } " == *" $note "* ]] || fail "the first hit for D F A C was '$line'"
done

# Ten thousand messages and some bytes that are no MIDI: the program still answers.
send flood:10000 off:62 off:65 off:69 off:72
click_button "$main" 8
wait_exit "$pid"
[ "$status" = 0 ] || fail "the program did not end well after the flood"
