#include "theory/spelling.h"

#include <gtest/gtest.h>

#include <tuple>

using theory::NoteCell;
using theory::SpellingMode;

TEST(Spelling, TheThreeTablesAndTheirEmptyCells)
{
    // Pitch class, then its mixed, sharps and flats names; naturals are alike in all three.
    const char* const rows[][4] = { { "0", "C　", "C　", "C　" }, { "1", "C＃", "C＃", "D♭" },
        { "3", "E♭", "D＃", "E♭" }, { "6", "F＃", "F＃", "G♭" }, { "8", "A♭", "G＃", "A♭" },
        { "10", "B♭", "A＃", "B♭" }, { "11", "B　", "B　", "B　" } };
    for (const auto& row : rows) {
        for (int mode = 0; mode < 3; ++mode) {
            const int pc = std::stoi(row[0]);
            EXPECT_EQ(NoteCell(SpellingMode { mode }, pc), row[mode + 1]);
            EXPECT_EQ(NoteCell(SpellingMode { mode }, pc + 12), row[mode + 1]); // upper octave
            EXPECT_EQ(NoteCell(SpellingMode { mode }, 24 + pc), theory::kEmptyCell);
        }
    }
    for (int outside : { -1, 37 })
        EXPECT_EQ(NoteCell(SpellingMode::Mixed, outside), "");
    EXPECT_EQ(NoteCell(SpellingMode { 4 }, 0), "");
}

TEST(Spelling, ButtonCyclesMixedSharpsFlatsByKeyAndNoOtherMode)
{
    EXPECT_EQ(theory::NextSpellingMode(SpellingMode::Mixed), SpellingMode::Sharps);
    EXPECT_EQ(theory::NextSpellingMode(SpellingMode::Sharps), SpellingMode::Flats);
    EXPECT_EQ(theory::NextSpellingMode(SpellingMode::Flats), SpellingMode::ByKey);
    EXPECT_EQ(theory::NextSpellingMode(SpellingMode::ByKey), SpellingMode::Mixed);
    EXPECT_EQ(theory::NextSpellingMode(SpellingMode { 99 }), SpellingMode { 99 });
}

TEST(Spelling, IntervalsAboveASpelledNote)
{
    const std::tuple<theory::SpelledNote, theory::Interval, const char*> rows[] = {
        { { 0, 1 }, { 3, 4 }, "E＃" }, // C＃, major third
        { { 0, 0 }, { 7, 9 }, "B𝄫" }, // C, diminished seventh
        { { 6, 0 }, { 5, 8 }, "F𝄪" }, // B, augmented fifth
        { { 4, -1 }, { 5, 6 }, "D𝄫" }, // G♭, diminished fifth
        { { 0, 0 }, { 11, 18 }, "F＃" }, // C, augmented eleventh
        { { 6, -1 }, { 9, 13 }, "C♭" }, // B♭, minor ninth
        { { 1, 1 }, { 3, 5 }, "" }, // D＃ and five semitones on F: a triple sharp
    };
    for (auto [from, interval, cell] : rows)
        EXPECT_EQ(theory::SpelledCell(theory::Above(from, interval)), cell) << cell;
    // Every writable note reads back as the pitch class it sounds.
    const int naturals[] = { 0, 2, 4, 5, 7, 9, 11 };
    for (int letter = 0; letter < 7; ++letter) {
        for (int alteration = -2; alteration <= 2; ++alteration) {
            const std::string_view cell = theory::SpelledCell({ letter, alteration });
            EXPECT_EQ(theory::NotePitchClass(theory::Trimmed(cell)),
                (naturals[letter] + alteration + 12) % 12)
                << cell;
        }
    }
    EXPECT_EQ(theory::SpelledCell({ 7, 0 }), "");
}

TEST(Spelling, NoteNamesReadBackAndOnlyTrailingPaddingIsTrimmed)
{
    for (auto [name, pc] : { std::pair { "C", 0 }, { "D♭", 1 }, { "E＃", 5 }, { "B𝄫", 9 } })
        EXPECT_EQ(theory::NotePitchClass(name), pc) << name;
    for (const char* other : { "", "C　", "H", "C#", "c", "C＃＃" })
        EXPECT_EQ(theory::NotePitchClass(other), std::nullopt) << other;
    EXPECT_EQ(theory::Trimmed("A　 　"), "A");
    EXPECT_EQ(theory::Trimmed("　A"), "　A");
}
