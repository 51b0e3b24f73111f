// The diatonic chords of a key: the chord window's key list and its 14 chord buttons.
#pragma once

#include "theory/chords.h"
#include "theory/spelling.h"

#include <array>
#include <cstdint>
#include <optional>
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

// How a tension (slots 12..18: ♭9, 9, ♯9, 11, ♯11, ♭13, 13) sits on a chord of a key: in the
// chord-scale and clear of the chord tones, a semitone above a chord tone (an avoid note), or
// not in the key's scale at all.
enum class TensionFit { Available, Avoid, OutsideKey };

inline constexpr int kTensionSlots = kMatrixSlots - kFirstTensionSlot;

// Index i is slot 12 + i. No mark where the tension is a chord tone under another name: the ♯9
// of a minor chord is its own third, the ♯11 of m(♭5) its fifth.
using TensionFits = std::array<std::optional<TensionFit>, kTensionSlots>;

// The tensions of the chord on root against scale (a 12-bit mask). The chord-scale of a
// diatonic chord is the mode of its key's scale that starts on the chord's root, so it holds
// the key's pitch classes: G major in C, Mixolydian, has 9 and 13 available, 11 (C, above B)
// to avoid, and ♭9, ♯9, ♯11, ♭13 outside.
TensionFits FitTensions(PitchClass root, ChordType type, std::uint16_t scale);

// The same for diatonic button b (0..13) on tonic, against its row's major or natural-minor
// scale; no marks outside 0..13.
TensionFits DiatonicTensionFits(PitchClass tonic, int b);

} // namespace theory
