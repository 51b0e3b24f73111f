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

// A chord read from held notes: its root and type, the pitch class in the bass (the root
// unless it is a slash chord, C/E), and whether the fifth was left out (E G＃ D is E7 with no
// fifth, as keyboard and guitar players voice it).
struct HeldChord {
    PitchClass root;
    ChordType type;
    PitchClass bass;
    bool noFifth = false;
    bool operator==(const HeldChord&) const = default;
};

// The catalogue chord that holds exactly the pitch classes held (none for fewer than two
// pitch classes or a set no reading fits):
// - one on the lowest note first, the first such type in catalogue order (A3 C4 E4 G4 is Am7);
// - else a slash chord over the lowest note, and of several such readings the one whose bass is
//   its third, then its fifth, then its seventh, then any other tone, a tie going to the root
//   nearest above the bass: E G A C is C6/E, G B♭ C E♭ E♭6/G. The rule looks at the shape
//   alone, so a hand shape reads as the same type in every key;
// - else, by the same rules, a chord of the catalogue less its perfect fifth, where at least
//   three pitch classes are held (A C G is Am7, C E B♭ D C7(9)).
std::optional<HeldChord> ReadHeldChord(const std::vector<int>& held);

} // namespace theory
