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

// Tension slots as a bit mask, bit i for slot 12 + i (♭9, 9, ♯9, 11, ♯11, ♭13, 13).
using TensionMask = std::uint8_t;

struct DiatonicButton {
    std::string_view caption;
    DiatonicRow row;
    int step; // the chord root's distance in semitones above the tonic
    ChordType chordType;
    bool primary; // I, IV, V and Im, IVm, Vm: captioned in bold
    // Where usage overrules the chord-scale: tensions of the scale that are avoided all the same
    // (the 13th of IIm, a tritone above its third, sounds like a dominant), and tensions from
    // outside the key that are usual on this chord (♭9 and ♭13 of V, from the harmonic minor).
    TensionMask avoided = 0;
    TensionMask borrowed = 0;
};

inline constexpr int kDiatonicButtonCount = 14;
extern const std::array<DiatonicButton, kDiatonicButtonCount> DiatonicButtons;

// The root of a diatonic chord: step semitones above the tonic.
constexpr PitchClass DiatonicRoot(PitchClass tonic, int step) { return Transposed(tonic, step); }

// How a tension (slots 12..18: ♭9, 9, ♯9, 11, ♯11, ♭13, 13) sits on a chord of a key: in the
// chord-scale and clear of the chord tones, a semitone above a chord tone (an avoid note), not
// in the key's scale at all, or outside the key but usual on this chord all the same.
enum class TensionFit { Available, Avoid, OutsideKey, Borrowed };

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
// scale, with the button's avoided and borrowed tensions on top; no marks outside 0..13.
TensionFits DiatonicTensionFits(PitchClass tonic, int b);

// The notes of button b's key on tonic: the major scale for the major row, the natural minor
// for the minor row, as a 12-bit mask; 0 outside 0..13.
std::uint16_t DiatonicScaleMask(PitchClass tonic, int b);

// The name of the key on tonic that row b's buttons are spelled in by key: the key list's own
// name (the mixed table's: C＃ major stays C＃), except that a minor key takes its other name
// where that needs fewer accidentals in its signature (G＃ minor, five sharps, not A♭ minor's
// seven flats; E♭ minor's six flats against D＃ minor's six sharps keep the list's name).
SpelledNote DiatonicKeyName(PitchClass tonic, DiatonicRow row);

// The name of button b's root on tonic by key: the letter of its degree in that key, so F＃
// major's IIIm is A＃m and E♭ minor's ♭VI is C♭. {-1, 0} outside 0..13.
SpelledNote DiatonicRootName(PitchClass tonic, int b);

} // namespace theory
