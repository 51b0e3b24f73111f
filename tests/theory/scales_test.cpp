#include "theory/chordmatch.h"
#include "theory/scales.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <tuple>

using theory::SpellingMode;

namespace {

// The eight cells as the user reads them: trimmed names, "-" for an empty slot.
std::string Row(int root, int scale, SpellingMode mode)
{
    std::string row;
    for (const theory::ScaleCell& cell : theory::SpellScale(root, scale, mode)) {
        if (!row.empty())
            row += ' ';
        row += cell.occupied ? std::string(theory::Trimmed(cell.text)) : "-";
    }
    return row;
}

// Every scale on C, written out from the musical definitions (sharp spelling).
const char* const kOnC[theory::kScaleCount] = {
    "C D E F G A B -", // Ionian
    "C D D＃ F G A A＃ -", // Dorian
    "C C＃ D＃ F G G＃ A＃ -", // Phrygian
    "C D E F＃ G A B -", // Lydian
    "C D E F G A A＃ -", // Mixolydian
    "C D D＃ F G G＃ A＃ -", // Aeolian
    "C C＃ D＃ F F＃ G＃ A＃ -", // Locrian
    "C D E F＃ G A A＃ -", // Lydian b7
    "C D E F G G＃ A＃ -", // Mixolydian b6
    "C D D＃ F F＃ G＃ A＃ -", // Locrian natural 2
    "C C＃ D＃ E F＃ G＃ A＃ -", // Altered
    "C D D＃ F G A B -", // Melodic minor
    "C C＃ D＃ F G A A＃ -", // Phrygian natural 6
    "C D E F＃ G＃ A B -", // Lydian #5
    "C D D＃ F G G＃ B -", // Harmonic minor
    "C C＃ E F G G＃ A＃ -", // Phrygian dominant
    "C D E F＃ G＃ A＃ - -", // Whole tone
    "C C＃ D＃ E F＃ G A A＃", // half-whole diminished
    "C D D＃ F F＃ G＃ A B", // whole-half diminished
    "C C＃ D＃ E F G G＃ A＃", // Spanish
    "C - E F G - B -", // Ryukyu
    "C D E - G A - -", // Pentatonic major
    "C - D＃ F G - A＃ -", // Pentatonic minor
    "C D D＃ - G G＃ B -", // Japan (in sen)
};

} // namespace

TEST(Scales, EveryScaleOnC)
{
    for (int s = 0; s < theory::kScaleCount; ++s)
        EXPECT_EQ(Row(0, s, SpellingMode::Sharps), kOnC[s]) << theory::Scales[s].name;
}

TEST(Scales, EveryRootTransposesTheShapeOnC)
{
    for (SpellingMode mode :
        { SpellingMode::Mixed, SpellingMode::Sharps, SpellingMode::Flats, SpellingMode::ByKey }) {
        for (int s = 0; s < theory::kScaleCount; ++s) {
            const auto onC = theory::SpellScale(0, s, SpellingMode::Sharps);
            for (int root = 0; root < 12; ++root) {
                const auto cells = theory::SpellScale(root, s, mode);
                for (std::size_t j = 0; j < cells.size(); ++j) {
                    ASSERT_EQ(cells[j].occupied, onC[j].occupied);
                    if (!cells[j].occupied)
                        continue;
                    const auto pc = theory::NotePitchClass(theory::Trimmed(cells[j].text));
                    const auto pcOnC = theory::NotePitchClass(theory::Trimmed(onC[j].text));
                    ASSERT_TRUE(pc && pcOnC);
                    EXPECT_EQ(*pc, (*pcOnC + root) % 12)
                        << theory::Scales[s].name << " root " << root;
                }
            }
        }
    }
}

TEST(Scales, SpelledExamples)
{
    struct Case {
        int root;
        int scale;
        SpellingMode mode;
        const char* row;
    };
    const Case cases[] = {
        { 5, 0, SpellingMode::Sharps, "F G A A＃ C D E -" },
        { 7, 0, SpellingMode::Flats, "G A B C D E G♭ -" },
        { 2, 1, SpellingMode::Mixed, "D E F G A B C -" },
        { 9, 22, SpellingMode::Mixed, "A - C D E - G -" },
        { 1, 0, SpellingMode::Flats, "D♭ E♭ F G♭ A♭ B♭ C -" },
        { 6, 16, SpellingMode::Mixed, "F＃ A♭ B♭ C D E - -" },
        // Root B with the major seventh reads the upper octave of the table.
        { 11, 1, SpellingMode::Sharps, "B C＃ D E F＃ G＃ A -" },
        { 11, 0, SpellingMode::Mixed, "B C＃ E♭ E F＃ A♭ B♭ -" },
        { 11, 18, SpellingMode::Flats, "B D♭ D E F G A♭ B♭" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Row(c.root, c.scale, c.mode), c.row);
}

TEST(Scales, ByKeyAsAMusicianWritesThem)
{
    const std::tuple<int, int, const char*> cases[] = {
        { 6, 0, "F＃ G＃ A＃ B C＃ D＃ E＃ -" }, // a tie with G♭ keeps the mixed name
        { 1, 0, "D♭ E♭ F G♭ A♭ B♭ C -" },
        { 1, 5, "C＃ D＃ E F＃ G＃ A B -" },
        { 3, 5, "E♭ F G♭ A♭ B♭ C♭ D♭ -" },
        { 3, 1, "E♭ F G♭ A♭ B♭ C D♭ -" },
        { 10, 6, "A＃ B C＃ D＃ E F＃ G＃ -" },
        { 8, 14, "G＃ A＃ B C＃ D＃ E F𝄪 -" },
        { 6, 14, "F＃ G＃ A B C＃ D E＃ -" },
        { 1, 11, "C＃ D＃ E F＃ G＃ A＃ B＃ -" },
        { 8, 15, "G＃ A B＃ C＃ D＃ E F＃ -" },
        { 0, 10, "C D♭ E♭ F♭ G♭ A♭ B♭ -" },
        { 5, 10, "F G♭ A♭ B𝄫 C♭ D♭ E♭ -" },
        { 11, 13, "B C＃ D＃ E＃ F𝄪 G＃ A＃ -" },
        { 0, 16, "C D E F＃ G＃ A＃ - -" },
        { 0, 17, "C D♭ D＃ E F＃ G A B♭" },
        { 0, 18, "C D E♭ F G♭ A♭ A B" },
        { 4, 19, "E F G G＃ A B C D" },
        { 2, 20, "D - F＃ G A - C＃ -" },
        { 8, 22, "G＃ - B C＃ D＃ - F＃ -" },
        { 1, 23, "C＃ D＃ E - G＃ A B＃ -" },
    };
    for (auto [root, scale, row] : cases)
        EXPECT_EQ(Row(root, scale, SpellingMode::ByKey), row);
}

// Together with EveryRootTransposesTheShapeOnC: by key, every note is written and sounds as in
// the tables.
TEST(Scales, ByKeySevenNotesTakeSevenLetters)
{
    for (int s = 0; s < theory::kScaleCount; ++s) {
        for (int root = 0; root < 12; ++root) {
            std::set<char> letters;
            int notes = 0;
            for (const theory::ScaleCell& cell : theory::SpellScale(root, s, SpellingMode::ByKey)) {
                if (cell.occupied) {
                    letters.insert(cell.text[0]);
                    ++notes;
                }
            }
            if (notes == 7) {
                EXPECT_EQ(letters.size(), 7u) << theory::Scales[s].name << " root " << root;
            }
        }
    }
}

TEST(Scales, OccupiedSlotsAscendAndCountTheScalesNotes)
{
    const std::pair<int, int> sizes[] = { { 0, 7 }, { 16, 6 }, { 17, 8 }, { 18, 8 }, { 19, 8 },
        { 20, 5 }, { 21, 5 }, { 22, 5 }, { 23, 6 } };
    for (auto [scale, notes] : sizes) {
        int count = 0;
        int last = -1;
        for (int v : theory::Scales[static_cast<std::size_t>(scale)].steps) {
            if (v == theory::kNoNote)
                continue;
            EXPECT_GT(v, last) << theory::Scales[scale].name;
            last = v;
            ++count;
        }
        EXPECT_EQ(count, notes) << theory::Scales[scale].name;
    }
}

TEST(Scales, NoTableOrBadInputGivesEmptyCells)
{
    for (const theory::ScaleCell& cell : theory::SpellScale(0, 0, SpellingMode { 5 }))
        EXPECT_EQ(cell.text, "");
    for (const theory::ScaleCell& cell : theory::SpellScale(12, 0, SpellingMode::Mixed))
        EXPECT_EQ(cell.text, "");
    for (const theory::ScaleCell& cell : theory::SpellScale(0, 24, SpellingMode::Mixed))
        EXPECT_EQ(cell.text, "");
}

TEST(Scales, PitchMaskHoldsExactlyTheSpelledNotes)
{
    for (int root = 0; root < 12; ++root) {
        for (int s = 0; s < theory::kScaleCount; ++s) {
            std::uint16_t spelled = 0;
            for (const theory::ScaleCell& cell : theory::SpellScale(root, s, SpellingMode::Flats))
                if (cell.occupied)
                    spelled |= static_cast<std::uint16_t>(
                        1u << theory::NotePitchClass(theory::Trimmed(cell.text)).value());
            EXPECT_EQ(theory::ScalePitchMask(root, s), spelled) << root << " " << s;
        }
    }
    EXPECT_EQ(theory::ScalePitchMask(12, 0), 0);
}
