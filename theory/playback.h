// What a press on a play button sounds: which MIDI notes, in which octave, in what order and
// when. The sound engine only performs these phrases.
#pragma once

#include "theory/chords.h"
#include "theory/keys.h"
#include "theory/spelling.h"

#include <vector>

namespace theory {

// MIDI note 60 is middle C (C4); every phrase starts in its octave.
inline constexpr int kMiddleC = 60;

// Notes that start together, when (milliseconds after the press) and for how long.
struct PlayedNotes {
    std::vector<int> notes; // MIDI note numbers, lowest first
    int startMs = 0;
    int lengthMs = 0;
    bool operator==(const PlayedNotes&) const = default;
};
using Phrase = std::vector<PlayedNotes>;

// The milliseconds from the press to the last note's end: 0 for an empty phrase.
int PhraseLength(const Phrase& phrase);

// Scale s (0..23) upward from root in the octave of middle C, one note at a time, ending on the
// root an octave up: C Ionian is C4 D4 E4 F4 G4 A4 B4 C5, B Ionian starts on B4 (71). Empty
// outside 0..11 or 0..23.
Phrase ScalePhrase(PitchClass root, int scale);

// The notes chord type t lights on root, lowest first: the root in the octave of middle C and
// each structure note above it, each tension an octave above its structure slot, and the ninth
// of add9 and madd9 too. C7(9) is 60 64 67 70 74, C add9 60 64 67 74. Empty for "N.C." and
// outside the catalogue.
std::vector<int> ChordNotes(PitchClass root, ChordType t);

// The chord's notes together, then the same notes broken upward; empty for "N.C.".
Phrase ChordPhrase(PitchClass root, ChordType t);

// The tonic triad of key k (0..14) or of its relative minor, as ChordPhrase plays it: E major
// is E4 G＃4 B4, C＃ minor C＃4 E4 G＃4. Empty outside 0..14.
Phrase KeyChordPhrase(KeyIndex k, bool minor);

} // namespace theory
