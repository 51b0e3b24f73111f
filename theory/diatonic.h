// The diatonic chords of a key: the chord window's key list and its 14 chord buttons.
#pragma once

#include "theory/chords.h"
#include "theory/spelling.h"

#include <array>
#include <string_view>

namespace theory {

enum class DiatonicRow { Major, Minor };

struct DiatonicButton {
    std::string_view caption;
    DiatonicRow row;
    int step; // the chord root's distance in semitones above the tonic
    ChordType chordType;
    bool primary; // I, IV, V and Im, IVm, Vm: captioned in bold
};

inline constexpr int kDiatonicButtonCount = 14;
extern const std::array<DiatonicButton, kDiatonicButtonCount> DiatonicButtons;

// The root of a diatonic chord: step semitones above the tonic.
constexpr PitchClass DiatonicRoot(PitchClass tonic, int step) { return Transposed(tonic, step); }

} // namespace theory
