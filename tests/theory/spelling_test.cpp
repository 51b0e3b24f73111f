#include "theory/spelling.h"

#include <gtest/gtest.h>

using theory::NoteCell;
using theory::SpellingMode;

namespace {

constexpr SpellingMode kMixed = SpellingMode::Mixed;
constexpr SpellingMode kSharps = SpellingMode::Sharps;
constexpr SpellingMode kFlats = SpellingMode::Flats;

std::size_t CodePoints(std::string_view text)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

} // namespace

TEST(Spelling, BlackKeysFollowTheTable)
{
    struct Row {
        int pc;
        const char* mixed;
        const char* sharps;
        const char* flats;
    };
    const Row rows[] = {
        { 1, "C＃", "C＃", "D♭" },
        { 3, "E♭", "D＃", "E♭" },
        { 6, "F＃", "F＃", "G♭" },
        { 8, "A♭", "G＃", "A♭" },
        { 10, "B♭", "A＃", "B♭" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pc);
        EXPECT_EQ(NoteCell(kMixed, row.pc), row.mixed);
        EXPECT_EQ(NoteCell(kSharps, row.pc), row.sharps);
        EXPECT_EQ(NoteCell(kFlats, row.pc + 12), row.flats); // the upper octave agrees
    }
}

TEST(Spelling, NaturalsAndEmptyCellsAreTheSameInEveryTable)
{
    const std::pair<int, const char*> naturals[] = { { 0, "C　" }, { 2, "D　" }, { 4, "E　" },
        { 5, "F　" }, { 7, "G　" }, { 9, "A　" }, { 11, "B　" }, { 23, "B　" } };
    for (SpellingMode mode : { kMixed, kSharps, kFlats }) {
        for (auto [k, name] : naturals)
            EXPECT_EQ(NoteCell(mode, k), name);
        for (int k = 25; k <= 36; ++k)
            EXPECT_EQ(NoteCell(mode, k), "  ");
        EXPECT_EQ(NoteCell(mode, 37), "");
        EXPECT_EQ(NoteCell(mode, -1), "");
    }
}

TEST(Spelling, StoredTableIs37TwoCharacterCells)
{
    for (SpellingMode mode : { kMixed, kSharps, kFlats })
        EXPECT_EQ(CodePoints(theory::NoteNames(mode)), 74u);
    EXPECT_EQ(theory::NoteNames(SpellingMode { 4 }), "");
}

TEST(Spelling, ModeOutsideTheTablesGivesEmptyCellsAndDoesNotMove)
{
    for (SpellingMode mode : { SpellingMode { 4 }, SpellingMode { -1 }, SpellingMode { 99 } }) {
        EXPECT_EQ(NoteCell(mode, 0), "");
        EXPECT_EQ(NoteCell(mode, 30), "");
        EXPECT_EQ(theory::NextSpellingMode(mode), mode);
    }
}

TEST(Spelling, ButtonCyclesMixedSharpsFlatsByKey)
{
    EXPECT_EQ(theory::NextSpellingMode(kMixed), kSharps);
    EXPECT_EQ(theory::NextSpellingMode(kSharps), kFlats);
    EXPECT_EQ(theory::NextSpellingMode(kFlats), SpellingMode::ByKey);
    EXPECT_EQ(theory::NextSpellingMode(SpellingMode::ByKey), kMixed);
    EXPECT_FALSE(theory::IsSpellingTable(SpellingMode::ByKey));
    EXPECT_TRUE(theory::IsSpellingMode(SpellingMode::ByKey));
}

TEST(Spelling, IntervalsAboveASpelledNote)
{
    struct Row {
        theory::SpelledNote from;
        theory::Interval interval;
        const char* cell;
    };
    const Row rows[] = {
        { { 0, 1 }, { 3, 4 }, "E＃" }, // C＃, major third
        { { 0, 0 }, { 7, 9 }, "B𝄫" }, // C, diminished seventh
        { { 6, 0 }, { 5, 8 }, "F𝄪" }, // B, augmented fifth
        { { 4, -1 }, { 5, 6 }, "D𝄫" }, // G♭, diminished fifth
        { { 4, 1 }, { 3, 4 }, "B＃" }, // G＃, major third
        { { 0, 0 }, { 11, 18 }, "F＃" }, // C, augmented eleventh
        { { 6, -1 }, { 9, 13 }, "C♭" }, // B♭, minor ninth
        { { 4, 0 }, { 5, 7 }, "D　" },
        { { 1, 1 }, { 3, 5 }, "" }, // D＃ and five semitones on F: a triple sharp
    };
    for (const Row& row : rows)
        EXPECT_EQ(theory::SpelledCell(theory::Above(row.from, row.interval)), row.cell) << row.cell;
    EXPECT_EQ(theory::SpelledCell({ 7, 0 }), "");
}

TEST(Spelling, EverySpelledCellIsTwoCharactersAndReadsBack)
{
    const int naturals[] = { 0, 2, 4, 5, 7, 9, 11 };
    for (int letter = 0; letter < 7; ++letter) {
        for (int alteration = -2; alteration <= 2; ++alteration) {
            const std::string_view cell = theory::SpelledCell({ letter, alteration });
            EXPECT_EQ(CodePoints(cell), 2u) << cell;
            EXPECT_EQ(theory::NotePitchClass(theory::Trimmed(cell)),
                (naturals[letter] + alteration + 12) % 12)
                << cell;
        }
    }
}

TEST(Spelling, TrimmedRemovesTrailingSpacesOfBothWidths)
{
    const std::pair<const char*, const char*> rows[] = {
        { "C　", "C" }, { "C＃", "C＃" }, { "B♭", "B♭" }, { "  ", "" }, { "", "" },
        { "A　 　", "A" }, { "　A", "　A" }, // only trailing padding goes
    };
    for (auto [text, trimmed] : rows)
        EXPECT_EQ(theory::Trimmed(text), trimmed) << text;
}

TEST(Spelling, Utf8PrefixCountsCharactersNotBytes)
{
    EXPECT_EQ(theory::Utf8PrefixBytes("C＃m7", 2), 4u);
    EXPECT_EQ(theory::Utf8PrefixBytes("C　major", 2), 4u);
    EXPECT_EQ(theory::Utf8PrefixBytes("B♭7", 2), 4u);
    EXPECT_EQ(theory::Utf8PrefixBytes("F𝄪m", 2), 5u);
    EXPECT_EQ(theory::Utf8PrefixBytes("C", 2), 1u);
    EXPECT_EQ(theory::Utf8PrefixBytes("", 2), 0u);
}
