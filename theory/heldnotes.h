// Notes held on a keyboard, read as the chord search's boxes and as a chord of the catalogue.
#pragma once

#include "theory/chords.h"
#include "theory/spelling.h"

#include <optional>
#include <vector>

namespace theory {

inline constexpr int kSearchBoxes = 5;

// The pitch classes the search boxes take from held MIDI notes (any order, repeats allowed):
// lowest note first, each pitch class once, at most five. E3 C4 G4 E5 gives E C G.
std::vector<PitchClass> SearchBoxNotes(const std::vector<int>& held);

struct HeldChord {
    PitchClass root;
    ChordType type;
    bool operator==(const HeldChord&) const = default;
};

// The catalogue chord whose pitch classes are exactly those held: read from the lowest note
// where that reading exists (C4 E4 G4 A4 is C6, A3 C4 E4 G4 is Am7), else the reading on the
// lowest root pitch class, in catalogue order (E3 G3 C4 is C major). None for fewer than two
// pitch classes or a set no chord type holds.
std::optional<HeldChord> ReadHeldChord(const std::vector<int>& held);

} // namespace theory
