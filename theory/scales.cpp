#include "theory/scales.h"

#include "theory/text.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace theory {

namespace {
    constexpr std::int8_t _ = kNoNote;

    // A scale's notes written from a named root, one interval each, as the search below weighs
    // them: fewest accidentals, then sharps and flats unmixed, then as many notes as possible on
    // the catalogue's own degrees, then the lowest letters.
    struct Writing {
        SpelledNote root;
        ScaleRow degrees;
        int accidentals = 0;
        bool mixed = false;
        int offDegree = 0;

        auto Weight() const { return std::tuple(accidentals, mixed, offDegree, degrees); }
    };

    // The best writing of the occupied steps from root with letters that never descend, each
    // note on the same letter as the one before or up to two letters on, none needing a double
    // sharp or flat; nullopt where there is none.
    std::optional<Writing> AscendingWriting(SpelledNote root, const Scale& scale)
    {
        std::optional<Writing> best;
        Writing writing { root, scale.degrees };
        const auto search
            = [&](auto&& self, std::size_t j, int degree, int sharps, int flats) -> void {
            while (j < scale.steps.size() && scale.steps[j] == kNoNote)
                ++j;
            if (j == scale.steps.size()) {
                writing.mixed = sharps > 0 && flats > 0;
                writing.accidentals = sharps + flats;
                if (!best || writing.Weight() < best->Weight())
                    best = writing;
                return;
            }
            const std::int8_t own = scale.degrees[j];
            for (int next = j == 0 ? 1 : degree; next <= std::min(7, degree + 2); ++next) {
                const SpelledNote note = Above(root, { next, scale.steps[j] });
                if (note.alteration < -1 || note.alteration > 1)
                    continue;
                writing.degrees[j] = static_cast<std::int8_t>(next);
                const int off = writing.offDegree;
                writing.offDegree += next != own;
                self(self, j + 1, next, sharps + (note.alteration > 0),
                    flats + (note.alteration < 0));
                writing.offDegree = off;
                if (j == 0)
                    break; // the root is degree 1
            }
        };
        search(search, 0, 1, 0, 0);
        return best;
    }

    bool NeedsDoubleAccidental(SpelledNote root, const Scale& scale)
    {
        for (std::size_t j = 0; j < scale.steps.size(); ++j) {
            if (scale.steps[j] == kNoNote)
                continue;
            const SpelledNote note = Above(root, { scale.degrees[j], scale.steps[j] });
            if (note.alteration < -1 || note.alteration > 1)
                return true;
        }
        return false;
    }
} // namespace

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
    { RURIZED_TEXT("Scale", "Lydian♭7(上音列)"), {  0,  2,  4,  6,  7,  9, 10,  _ } },
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
    { "Whole tone",                        {  0,  2,  4,  6,  8, 10,  _,  _ },
                                           {  1,  2,  3,  4,  5,  6,  7,  8 }, true },
    { "Combination of diminished",         {  0,  1,  3,  4,  6,  7,  9, 10 },
                                           {  1,  2,  2,  3,  4,  5,  6,  7 }, true },
    { "Diminished",                        {  0,  2,  3,  5,  6,  8,  9, 11 },
                                           {  1,  2,  3,  4,  5,  6,  6,  7 }, true },
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
    ScaleRow degrees = entry.degrees;
    // A symmetric scale may have no letter per degree without a double sharp or flat (E whole
    // tone would end B＃ C𝄪): then it is written as players write it, E F＃ G＃ A＃ C D.
    if (mode == SpellingMode::ByKey && entry.symmetric && NeedsDoubleAccidental(tonic, entry)) {
        std::optional<Writing> best;
        for (const SpelledNote name :
            { tonic, SpelledNote { tonic.letter + tonic.alteration, -tonic.alteration } }) {
            const std::optional<Writing> writing = AscendingWriting(name, entry);
            if (writing && (!best || writing->Weight() < best->Weight()))
                best = writing;
        }
        if (best) {
            tonic = best->root;
            degrees = best->degrees;
        }
    }
    for (std::size_t j = 0; j < cells.size(); ++j) {
        const bool occupied = entry.steps[j] != kNoNote;
        std::string_view text = kEmptyCell;
        if (occupied && mode == SpellingMode::ByKey)
            text = SpelledCell(Above(tonic, { degrees[j], entry.steps[j] }));
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

namespace theory {

std::vector<int> ScalesHolding(PitchClass root, std::uint16_t chord, std::uint16_t keyScale)
{
    std::vector<int> holding;
    for (int s = 0; s < kScaleCount; ++s) {
        const std::uint16_t scale = ScalePitchMask(root, s);
        if (scale != 0 && (scale & chord) == chord)
            holding.push_back(s);
    }
    // The key's own mode first.
    std::stable_partition(holding.begin(), holding.end(),
        [root, keyScale](int s) { return keyScale != 0 && ScalePitchMask(root, s) == keyScale; });
    return holding;
}

} // namespace theory
