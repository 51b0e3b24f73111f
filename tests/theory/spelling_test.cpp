#include "theory/spelling.h"

#include <gtest/gtest.h>

#include <tuple>

using theory::NoteCell;
using theory::SpellingMode;

TEST(Spelling, TheThreeTablesTheButtonAndTheEmptyCells)
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
    SpellingMode mode = SpellingMode::Mixed;
    for (SpellingMode next :
        { SpellingMode::Sharps, SpellingMode::Flats, SpellingMode::ByKey, SpellingMode::Mixed })
        EXPECT_EQ(mode = theory::NextSpellingMode(mode), next);
    EXPECT_EQ(theory::NextSpellingMode(SpellingMode { 99 }), SpellingMode { 99 });
}

// The note an interval above a spelled note, and every writable note reading back as the pitch
// class it sounds.
TEST(Spelling, IntervalsAboveASpelledNote)
{
    const std::tuple<theory::SpelledNote, theory::Interval, const char*> rows[] = {
        { { 0, 1 }, { 3, 4 }, "E＃" }, // C＃, major third
        { { 0, 0 }, { 7, 9 }, "B𝄫" }, // C, diminished seventh
        { { 6, 0 }, { 5, 8 }, "F𝄪" }, // B, augmented fifth
        { { 6, -1 }, { 9, 13 }, "C♭" }, // B♭, minor ninth
        { { 1, 1 }, { 3, 5 }, "" }, // D＃ and five semitones on F: a triple sharp
    };
    for (auto [from, interval, cell] : rows)
        EXPECT_EQ(theory::SpelledCell(theory::Above(from, interval)), cell) << cell;
    const int naturals[] = { 0, 2, 4, 5, 7, 9, 11 };
    for (int letter = 0; letter < 7; ++letter) {
        for (int alteration = -2; alteration <= 2; ++alteration) {
            const std::string_view cell = theory::SpelledCell({ letter, alteration });
            EXPECT_EQ(theory::NotePitchClass(theory::Trimmed(cell)),
                (naturals[letter] + alteration + 12) % 12)
                << cell;
        }
    }
    for (const char* other : { "", "C　", "H", "C#", "c", "C＃＃" })
        EXPECT_EQ(theory::NotePitchClass(other), std::nullopt) << other;
    EXPECT_EQ(theory::Trimmed("A　 　"), "A");
}
