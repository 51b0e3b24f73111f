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
    EXPECT_EQ(theory::NoteNames(SpellingMode { 3 }), "");
}

TEST(Spelling, ModeOutsideTheTablesGivesEmptyCellsAndDoesNotMove)
{
    for (SpellingMode mode : { SpellingMode { 3 }, SpellingMode { -1 }, SpellingMode { 99 } }) {
        EXPECT_EQ(NoteCell(mode, 0), "");
        EXPECT_EQ(NoteCell(mode, 30), "");
        EXPECT_EQ(theory::NextSpellingMode(mode), mode);
    }
}

TEST(Spelling, ButtonCyclesMixedSharpsFlats)
{
    EXPECT_EQ(theory::NextSpellingMode(kMixed), kSharps);
    EXPECT_EQ(theory::NextSpellingMode(kSharps), kFlats);
    EXPECT_EQ(theory::NextSpellingMode(kFlats), kMixed);
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
    EXPECT_EQ(theory::Utf8PrefixBytes("C", 2), 1u);
    EXPECT_EQ(theory::Utf8PrefixBytes("", 2), 0u);
}
