// The catalogue of 24 scales and modes, and the spelling of a scale on a root.
#pragma once

#include "theory/spelling.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace theory {

inline constexpr int kScaleCount = 24;
inline constexpr int kScaleSlots = 8;

// A slot holds its note's distance in semitones above the root, 0..11, or kNoNote for an empty
// slot. Pentatonic and Japanese scales keep each note under the column it has in the
// seven-note scale they come from, so their gaps are inner slots.
inline constexpr std::int8_t kNoNote = -1;

using ScaleRow = std::array<std::int8_t, kScaleSlots>;

struct Scale {
    std::string_view name; // the scale list's text
    ScaleRow steps;
    // The interval number of each slot's note, which gives its letter when spelled by key: slot
    // j holds degree j + 1 (the whole-tone scale reads C D E F＃ G＃ A＃), except in the
    // eight-note scales, which write one letter twice.
    ScaleRow degrees { 1, 2, 3, 4, 5, 6, 7, 8 };
    // The whole-tone and diminished scales repeat within the octave, so no letter belongs to a
    // note: by key they may be written on other letters where theirs would need a double sharp
    // or flat.
    bool symmetric = false;
};

// The catalogue in list order: Scales[s] is item s of the scale list.
extern const std::array<Scale, kScaleCount> Scales;

struct ScaleCell {
    std::string_view text; // two characters, kEmptyCell for an empty slot
    bool occupied; // false exactly when the text is kEmptyCell
};

// The eight cells of scale s (0..23) on root (pitch class 0..11):
// SpellScale(2, 1, Mixed) is D E F G A B C and an empty eighth cell. By key, the root takes
// the name that KeyRoot chooses for the scale and each note the letter of its degree:
// SpellScale(6, 0, ByKey) is F＃ G＃ A＃ B C＃ D＃ E＃.
std::array<ScaleCell, kScaleSlots> SpellScale(PitchClass root, int scale, SpellingMode mode);

// The scales on root (0..11) that hold every pitch class of chord (a 12-bit mask), in list
// order, except that the one whose notes are keyScale's (the mode of the chord's key on root)
// comes first: on D, for Dm7 in C major, Dorian, then Aeolian, .... Empty when none holds it.
std::vector<int> ScalesHolding(PitchClass root, std::uint16_t chord, std::uint16_t keyScale = 0);

// The pitch classes of scale s on root as a 12-bit mask, bit pc for pitch class pc: C Ionian is
// C D E F G A B. Zero outside 0..11 or 0..23.
std::uint16_t ScalePitchMask(PitchClass root, int scale);

} // namespace theory
