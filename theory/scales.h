// The catalogue of 24 scales and modes, and the spelling of a scale on a root.
#pragma once

#include "theory/spelling.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace theory {

inline constexpr int kScaleCount = 24;
inline constexpr int kScaleSlots = 8;

// A slot value 1..12 puts the slot's note (value - 1) semitones above the root; kNoNote leaves
// the slot empty. Pentatonic and Japanese scales keep each note under the column it has in the
// seven-note scale they come from, so their gaps are inner slots.
inline constexpr std::int16_t kNoNote = 26;

using ScaleRow = std::array<std::int16_t, kScaleSlots>;

// ScaleTable[s][j]: slot j of scale s.
extern const std::array<ScaleRow, kScaleCount> ScaleTable;

// The scale list's texts, in catalogue order (the index is the list position).
extern const std::array<std::string_view, kScaleCount> ScaleNames;

struct ScaleCell {
    std::string_view text; // two characters, kEmptyCell for an empty slot
    bool occupied; // false exactly when the text is kEmptyCell
};

// The eight cells of scale s (0..23) on root (pitch class 0..11):
// SpellScale(2, 1, Mixed) is D E F G A B C and an empty eighth cell.
std::array<ScaleCell, kScaleSlots> SpellScale(int root, int scale, SpellingMode mode);

} // namespace theory
