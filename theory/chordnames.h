// Chord names read from text: as people type them and as the windows copy them.
#pragma once

#include "theory/progression.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace theory {

// One chord name: a root letter with ♯, ＃, #, ♭ or b, a type as the chord list writes it or as
// lead sheets do ("m7b5", "maj7", "-7", "ø", "69", "13"), and a bass after "/": "F#m7b5" is F＃
// m7(♭5), "Bb/D" B♭ major over D. Blanks inside do not count ("C 7(♭9)"), nor does a trailing
// "(no 5th)". Nothing for anything else.
std::optional<SongChord> ReadChordName(std::string_view name);

// A row of chords in text: names apart by blanks, commas, bars or dashes ("C E- A F G",
// "C – Am – F – G"), or one line per chord as a window copies it ("C major: C E G"). A line of
// Roman numerals alone is passed over. unread holds the first word that reads as no chord, and
// then chords is empty.
struct ReadChords {
    std::vector<SongChord> chords;
    std::string unread;
};
ReadChords ReadChordNames(std::string_view text);

} // namespace theory
