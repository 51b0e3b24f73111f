#include "theory/scales.h"

namespace theory {

namespace {
    constexpr std::int16_t _ = kNoNote;
}

// clang-format off
const std::array<ScaleRow, kScaleCount> ScaleTable { {
    // Church modes
    { 1, 3, 5, 6, 8, 10, 12, _ },  //  0 Ionian
    { 1, 3, 4, 6, 8, 10, 11, _ },  //  1 Dorian
    { 1, 2, 4, 6, 8, 9, 11, _ },   //  2 Phrygian
    { 1, 3, 5, 7, 8, 10, 12, _ },  //  3 Lydian
    { 1, 3, 5, 6, 8, 10, 11, _ },  //  4 Mixolydian
    { 1, 3, 4, 6, 8, 9, 11, _ },   //  5 Aeolian
    { 1, 2, 4, 6, 7, 9, 11, _ },   //  6 Locrian
    // Modes of the melodic minor
    { 1, 3, 5, 7, 8, 10, 11, _ },  //  7 Lydian b7
    { 1, 3, 5, 6, 8, 9, 11, _ },   //  8 Mixolydian b6
    { 1, 3, 4, 6, 7, 9, 11, _ },   //  9 Locrian natural 2
    { 1, 2, 4, 5, 7, 9, 11, _ },   // 10 Altered dominant
    { 1, 3, 4, 6, 8, 10, 12, _ },  // 11 Melodic minor
    { 1, 2, 4, 6, 8, 10, 11, _ },  // 12 Phrygian natural 6
    { 1, 3, 5, 7, 9, 10, 12, _ },  // 13 Lydian #5
    // Harmonic minor and its fifth mode
    { 1, 3, 4, 6, 8, 9, 12, _ },   // 14 Harmonic minor
    { 1, 2, 5, 6, 8, 9, 11, _ },   // 15 Harmonic minor perfect 5th below
    // Symmetric and eight-note scales
    { 1, 3, 5, 7, 9, 11, _, _ },   // 16 Whole tone
    { 1, 2, 4, 5, 7, 8, 10, 11 },  // 17 Combination of diminished
    { 1, 3, 4, 6, 7, 9, 10, 12 },  // 18 Diminished
    { 1, 2, 4, 5, 6, 8, 9, 11 },   // 19 Spanish 8 notes
    // Pentatonic and Japanese scales, gaps where the seven-note parent has a note
    { 1, _, 5, 6, 8, _, 12, _ },   // 20 Ryukyu
    { 1, 3, 5, _, 8, 10, _, _ },   // 21 Pentatonic major
    { 1, _, 4, 6, 8, _, 11, _ },   // 22 Pentatonic minor
    { 1, 3, 4, _, 8, 9, 12, _ },   // 23 Japan
} };
// clang-format on

const std::array<std::string_view, kScaleCount> ScaleNames {
    "Ionian(Major)",
    "Dorian",
    "Phrygian",
    "Lydian",
    "Mixolydian",
    "Aeolian(Natural Minor)",
    "Locrian",
    "Lydian♭7(上音列)",
    "Mixolydian♭6",
    "Locrian N2(Alterd Dorian)",
    "Alterd dominant(Super Locrian)",
    "Melodic minor",
    "Phrygian N6",
    "Lydian ＃5",
    "Harmonic minor",
    "Harmonic minor perfect 5th below",
    "Whole tone",
    "Combination of diminished",
    "Diminished",
    "Spanish 8notes",
    "Ryukyu",
    "Pentatonic major",
    "Pentatonic minor",
    "Japan",
};

std::array<ScaleCell, kScaleSlots> SpellScale(int root, int scale, SpellingMode mode)
{
    std::array<ScaleCell, kScaleSlots> cells {};
    if (root < 0 || root > 11 || scale < 0 || scale >= kScaleCount)
        return cells;
    const ScaleRow& row = ScaleTable[static_cast<std::size_t>(scale)];
    for (std::size_t j = 0; j < cells.size(); ++j) {
        // Cell root + v - 1 of the two-octave table never wraps for v 1..12; the empty value
        // lands on the empty cells 25..36.
        const std::string_view text = NoteCell(mode, root + row[j] - 1);
        cells[j] = { text, text != kEmptyCell };
    }
    return cells;
}

} // namespace theory
