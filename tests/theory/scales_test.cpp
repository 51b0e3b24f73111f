#include "theory/scales.h"

#include <gtest/gtest.h>

#include <bit>
#include <set>
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

// On every root in every mode a scale sounds its shape on C transposed, and its pitch mask holds
// exactly the spelled notes; by key, seven notes take seven letters.
TEST(Scales, EveryRootAndModeTransposesTheShapeOnC)
{
    for (int mode = 0; mode < 4; ++mode) {
        for (int s = 0; s < theory::kScaleCount; ++s) {
            const auto onC = theory::SpellScale(0, s, SpellingMode::Sharps);
            for (int root = 0; root < 12; ++root) {
                SCOPED_TRACE(std::string(theory::Scales[s].name) + " root " + std::to_string(root)
                    + " mode " + std::to_string(mode));
                std::uint16_t spelled = 0;
                std::set<char> letters;
                const auto cells = theory::SpellScale(root, s, SpellingMode { mode });
                for (std::size_t j = 0; j < cells.size(); ++j) {
                    ASSERT_EQ(cells[j].occupied, onC[j].occupied);
                    if (!cells[j].occupied)
                        continue;
                    const auto pc = theory::NotePitchClass(theory::Trimmed(cells[j].text));
                    const auto pcOnC = theory::NotePitchClass(theory::Trimmed(onC[j].text));
                    ASSERT_TRUE(pc && pcOnC);
                    EXPECT_EQ(*pc, (*pcOnC + root) % 12);
                    spelled |= static_cast<std::uint16_t>(1u << *pc);
                    letters.insert(cells[j].text[0]);
                }
                EXPECT_EQ(theory::ScalePitchMask(root, s), spelled);
                EXPECT_TRUE(mode != 3 || std::popcount(spelled) != 7 || letters.size() == 7);
            }
        }
    }
}

TEST(Scales, SpelledAsAMusicianWritesThem)
{
    const std::tuple<int, int, SpellingMode, const char*> cases[] = {
        { 7, 0, SpellingMode::Flats, "G A B C D E G♭ -" },
        // Root B with the major seventh reads the upper octave of the table.
        { 11, 0, SpellingMode::Mixed, "B C＃ E♭ E F＃ A♭ B♭ -" },
        { 6, 0, SpellingMode::ByKey, "F＃ G＃ A＃ B C＃ D＃ E＃ -" }, // a tie keeps the mixed name
        { 1, 0, SpellingMode::ByKey, "D♭ E♭ F G♭ A♭ B♭ C -" },
        { 8, 14, SpellingMode::ByKey, "G＃ A＃ B C＃ D＃ E F𝄪 -" },
        { 5, 10, SpellingMode::ByKey, "F G♭ A♭ B𝄫 C♭ D♭ E♭ -" },
        { 0, 17, SpellingMode::ByKey, "C D♭ D＃ E F＃ G A B♭" },
        { 2, 20, SpellingMode::ByKey, "D - F＃ G A - C＃ -" },
        // Symmetric scales whose own letters would need double sharps or flats.
        { 4, 16, SpellingMode::ByKey, "E F＃ G＃ A＃ C D - -" },
        { 11, 16, SpellingMode::ByKey, "B C＃ D＃ F G A - -" },
        { 3, 18, SpellingMode::ByKey, "E♭ F G♭ A♭ A B C D" },
    };
    for (auto [root, scale, mode, row] : cases)
        EXPECT_EQ(Row(root, scale, mode), row);
}

// The scales to play over a chord: on A over Am7 in C major, Aeolian first; on C over C7.
TEST(Scales, HoldingAChord)
{
    const std::uint16_t am7 = 1 << 9 | 1 << 0 | 1 << 4 | 1 << 7;
    const std::uint16_t cMajor = 0b1010'1011'0101;
    EXPECT_EQ(
        theory::ScalesHolding(9, am7, cMajor), (std::vector<int> { 5, 1, 2, 12, 17, 19, 22 }));
    const std::uint16_t c7 = 1 << 0 | 1 << 4 | 1 << 7 | 1 << 10;
    EXPECT_EQ(theory::ScalesHolding(0, c7), (std::vector<int> { 4, 7, 8, 15, 17, 19 }));
    EXPECT_TRUE(theory::ScalesHolding(0, 0b1111'1111'1111).empty());
}
