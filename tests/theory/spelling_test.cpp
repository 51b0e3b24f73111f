#include "theory/spelling.h"

#include <gtest/gtest.h>

#include <tuple>

using theory::NoteCell;
using theory::SpellingMode;

TEST(Spelling, TheThreeTablesAndTheEmptyCells)
{
    // Pitch class, then its mixed, sharps and flats names; naturals are alike in all three.
    const std::tuple<int, const char*, const char*, const char*> rows[]
        = { { 0, "C　", "C　", "C　" }, { 1, "C＃", "C＃", "D♭" }, { 3, "E♭", "D＃", "E♭" },
              { 6, "F＃", "F＃", "G♭" }, { 8, "A♭", "G＃", "A♭" }, { 10, "B♭", "A＃", "B♭" },
              { 11, "B　", "B　", "B　" } };
    for (auto [pc, mixed, sharps, flats] : rows) {
        for (int octave : { 0, 12 }) {
            EXPECT_EQ(NoteCell(SpellingMode::Mixed, pc + octave), mixed);
            EXPECT_EQ(NoteCell(SpellingMode::Sharps, pc + octave), sharps);
            EXPECT_EQ(NoteCell(SpellingMode::Flats, pc + octave), flats);
        }
        EXPECT_EQ(NoteCell(SpellingMode::Flats, 24 + pc), theory::kEmptyCell);
    }
    EXPECT_EQ(NoteCell(SpellingMode::Mixed, 37), "");
    EXPECT_EQ(NoteCell(SpellingMode { 4 }, 0), "");
}

