// Standard MIDI Files, as music programs take them from a drop or a file: the program's own small
// writer, no Qt and no MIDI library.
#pragma once

#include <cstdint>
#include <vector>

namespace midi {

// Ticks per quarter note in the files written.
inline constexpr int kTicksPerQuarter = 480;

// A note of the file: its MIDI number (0..127) and when it starts and how long it sounds, in
// ticks.
struct SmfNote {
    int note;
    int startTick;
    int lengthTicks;
};

// A type 1 file of two tracks: the tempo (beats per minute, 20..300) in the first, the notes in
// the second on channel (1..16), every note-on with its note-off. Values out of range are held
// to the nearest one that fits; a note of no length or outside 0..127 is left out.
std::vector<std::uint8_t> StandardMidiFile(const std::vector<SmfNote>& notes, int bpm, int channel);

} // namespace midi
