#include "theory/scales.h"

namespace theory {

namespace {
    constexpr std::int8_t _ = kNoNote;
}

// clang-format off
const std::array<Scale, kScaleCount> Scales { {
    // list text, semitones above the root of slots 0..7
    // Church modes
    { "Ionian(Major)",                     {  0,  2,  4,  5,  7,  9, 11,  _ } },
    { "Dorian",                            {  0,  2,  3,  5,  7,  9, 10,  _ } },
    { "Phrygian",                          {  0,  1,  3,  5,  7,  8, 10,  _ } },
    { "Lydian",                            {  0,  2,  4,  6,  7,  9, 11,  _ } },
    { "Mixolydian",                        {  0,  2,  4,  5,  7,  9, 10,  _ } },
    { "Aeolian(Natural Minor)",            {  0,  2,  3,  5,  7,  8, 10,  _ } },
    { "Locrian",                           {  0,  1,  3,  5,  6,  8, 10,  _ } },
    // Modes of the melodic minor
    { "Lydian♭7(上音列)",                  {  0,  2,  4,  6,  7,  9, 10,  _ } },
    { "Mixolydian♭6",                      {  0,  2,  4,  5,  7,  8, 10,  _ } },
    { "Locrian N2(Altered Dorian)",        {  0,  2,  3,  5,  6,  8, 10,  _ } },
    { "Altered dominant(Super Locrian)",   {  0,  1,  3,  4,  6,  8, 10,  _ } },
    { "Melodic minor",                     {  0,  2,  3,  5,  7,  9, 11,  _ } },
    { "Phrygian N6",                       {  0,  1,  3,  5,  7,  9, 10,  _ } },
    { "Lydian ＃5",                        {  0,  2,  4,  6,  8,  9, 11,  _ } },
    // Harmonic minor and its fifth mode
    { "Harmonic minor",                    {  0,  2,  3,  5,  7,  8, 11,  _ } },
    { "Harmonic minor perfect 5th below",  {  0,  1,  4,  5,  7,  8, 10,  _ } },
    // Symmetric and eight-note scales, with the degrees of the eight notes: the dominant's
    // 1 b9 #9 3 #11 5 13 b7 (the chord window's tensions); 1 2 b3 4 b5 b6 6 7, keeping the
    // leading note; Phrygian with both thirds.
    { "Whole tone",                        {  0,  2,  4,  6,  8, 10,  _,  _ } },
    { "Combination of diminished",         {  0,  1,  3,  4,  6,  7,  9, 10 },
                                           {  1,  2,  2,  3,  4,  5,  6,  7 } },
    { "Diminished",                        {  0,  2,  3,  5,  6,  8,  9, 11 },
                                           {  1,  2,  3,  4,  5,  6,  6,  7 } },
    { "Spanish 8notes",                    {  0,  1,  3,  4,  5,  7,  8, 10 },
                                           {  1,  2,  3,  3,  4,  5,  6,  7 } },
    // Pentatonic and Japanese scales, gaps where the seven-note parent has a note
    { "Ryukyu",                            {  0,  _,  4,  5,  7,  _, 11,  _ } },
    { "Pentatonic major",                  {  0,  2,  4,  _,  7,  9,  _,  _ } },
    { "Pentatonic minor",                  {  0,  _,  3,  5,  7,  _, 10,  _ } },
    { "Japan",                             {  0,  2,  3,  _,  7,  8, 11,  _ } },
} };
// clang-format on

std::array<ScaleCell, kScaleSlots> SpellScale(PitchClass root, int scale, SpellingMode mode)
{
    std::array<ScaleCell, kScaleSlots> cells {};
    if (root < 0 || root > 11 || scale < 0 || scale >= kScaleCount)
        return cells;
    if (!IsSpellingMode(mode))
        return cells;
    const Scale& entry = Scales[static_cast<std::size_t>(scale)];
    const auto interval = [&entry](std::size_t j) -> Interval {
        return { entry.degrees[j], entry.steps[j] };
    };
    SpelledNote tonic {};
    if (mode == SpellingMode::ByKey) {
        std::array<Interval, kScaleSlots> notes {};
        std::size_t count = 0;
        for (std::size_t j = 0; j < cells.size(); ++j) {
            if (entry.steps[j] != kNoNote)
                notes[count++] = interval(j);
        }
        tonic = KeyRoot(root, std::span(notes).first(count));
    }
    for (std::size_t j = 0; j < cells.size(); ++j) {
        const bool occupied = entry.steps[j] != kNoNote;
        std::string_view text = kEmptyCell;
        if (occupied && mode == SpellingMode::ByKey)
            text = SpelledCell(Above(tonic, interval(j)));
        else if (occupied)
            text = PitchClassCell(mode, root + entry.steps[j]);
        cells[j] = { text, occupied };
    }
    return cells;
}

std::uint16_t ScalePitchMask(PitchClass root, int scale)
{
    if (root < 0 || root > 11 || scale < 0 || scale >= kScaleCount)
        return 0;
    std::uint16_t mask = 0;
    for (std::int8_t step : Scales[static_cast<std::size_t>(scale)].steps) {
        if (step != kNoNote)
            mask |= static_cast<std::uint16_t>(1u << Transposed(root, step));
    }
    return mask;
}

} // namespace theory
