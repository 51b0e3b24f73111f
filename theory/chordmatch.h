// Chord search: which chords of the catalogue contain every note the user chose.
#pragma once

#include "theory/chords.h"
#include "theory/spelling.h"

#include <cstdint>
#include <vector>

namespace theory {

// A hit goes to the plain list when its chord type lights no tension slot, else to the
// tension list; "add9" and "madd9" keep their ninth in the structure row and are plain.
enum class HitList { Plain, Tension };

struct ChordHit {
    PitchClass root;
    ChordType type;
    HitList list;
};

// The search tries every chord once: roots from B down to C, chord types 1..28 on each root.
inline constexpr int kSearchSteps = 12 * (kChordTypeCount - 1);

struct ChordOnRoot {
    PitchClass root;
    ChordType type;
};

// Step i (0..335) of that order: step 0 is B major, step 335 C mM7.
ChordOnRoot SearchStep(int i);

// Whether the chord holds every pitch class of notes (a 12-bit mask, bit pc for pitch class pc).
bool ChordHolds(PitchClass root, ChordType type, std::uint16_t notes);

// Every chord, in search order, that holds every pitch class of notes; none for no notes.
std::vector<ChordHit> SearchChords(std::uint16_t notes);

} // namespace theory
