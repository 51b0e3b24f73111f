#include "theory/chords.h"
#include "theory/diatonic.h"
#include "theory/scales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <sstream>
#include <string>
#include <tuple>

using theory::DiatonicButtons;

// Each row holds the triads on the seven degrees of its key's scale (major, natural minor), in
// order; a caption ends in its chord's name, and I, IV and V (Im, IVm, Vm) are the primary ones.
TEST(Diatonic, EveryButtonIsATriadOfItsKey)
{
    for (std::size_t i = 0; i < DiatonicButtons.size(); ++i) {
        const auto& button = DiatonicButtons[i];
        SCOPED_TRACE(button.caption);
        const bool major = i < 7;
        const std::uint16_t scale = theory::ScalePitchMask(0, major ? 0 : 5); // Ionian, Aeolian
        const std::uint16_t chord = theory::ChordPitchMask(button.step, button.chordType);
        EXPECT_EQ(button.row, major ? theory::DiatonicRow::Major : theory::DiatonicRow::Minor);
        EXPECT_EQ(std::popcount(chord), 3);
        EXPECT_EQ(chord & scale, chord);
        EXPECT_EQ(std::popcount(static_cast<unsigned>(scale & ((1u << button.step) - 1))), i % 7);
        const std::string_view name = theory::ChordListText(button.chordType);
        EXPECT_TRUE(name == "major" || button.caption.ends_with(name));
        EXPECT_EQ(button.primary, i % 7 == 0 || i % 7 == 3 || i % 7 == 4);
    }
}

// The marks of the 14 buttons in C: each tension available, avoided, or outside the key but usual
// on that chord (borrowed); every other one is outside the key or a chord tone. The reference
// sheet's common tensions for the same chord are never outside the key.
TEST(Diatonic, TensionsThatFitEachChordOfTheKey)
{
    using theory::TensionFit;
    const char* const names[] = { "♭9", "9", "♯9", "11", "♯11", "♭13", "13" };
    struct Row {
        const char* available;
        const char* avoid;
        const char* borrowed;
        const char* sheet;
    };
    const Row rows[] = {
        { "9 13", "11", "", "9 13" }, // I, Ionian
        { "9 11", "13", "", "9 11" }, // IIm, Dorian: its 13 is a tritone above the third
        { "11", "♭9 ♭13", "", "11" }, // IIIm, Phrygian
        { "9 ♯11 13", "", "", "9 ♯11 13" }, // IV, Lydian
        { "9 13", "11", "♭9 ♭13", "9 13 ♭9 ♭13" }, // V: ♭9 and ♭13 from the harmonic minor
        { "9 11", "♭13", "", "9 11" }, // VIm, Aeolian
        { "11 ♭13", "♭9", "9", "9 ♭13" }, // VIIm(♭5): Locrian ♮2
        { "9 11", "♭13", "", "9 11" }, // Im, Aeolian
        { "11 ♭13", "♭9", "", "11 ♭13" }, // IIm(♭5), Locrian
        { "9 13", "11", "", "9 13" }, // ♭III, Ionian
        { "9 11 13", "", "", "9 11 13" }, // IVm, Dorian
        { "11", "♭9 ♭13", "9", "9 11" }, // Vm: played Aeolian, with its 9
        { "9 ♯11 13", "", "", "9 ♯11 13" }, // ♭VI, Lydian
        { "9 13", "11", "", "9 13" }, // ♭VII, Mixolydian
    };
    for (int b = 0; b < theory::kDiatonicButtonCount; ++b) {
        SCOPED_TRACE(DiatonicButtons[static_cast<std::size_t>(b)].caption);
        std::string lists[4];
        const theory::TensionFits fits = theory::DiatonicTensionFits(0, b);
        for (std::size_t i = 0; i < fits.size(); ++i) {
            if (!fits[i])
                continue;
            std::string& list = lists[static_cast<int>(*fits[i])];
            list += (list.empty() ? "" : " ") + std::string(names[i]);
        }
        const Row& row = rows[b];
        EXPECT_EQ(lists[static_cast<int>(TensionFit::Available)], row.available);
        EXPECT_EQ(lists[static_cast<int>(TensionFit::Avoid)], row.avoid);
        EXPECT_EQ(lists[static_cast<int>(TensionFit::Borrowed)], row.borrowed);
        std::istringstream sheet(row.sheet);
        for (std::string tension; sheet >> tension;) {
            const auto i
                = std::find(std::begin(names), std::end(names), tension) - std::begin(names);
            EXPECT_NE(fits[static_cast<std::size_t>(i)], TensionFit::OutsideKey) << tension;
        }
    }
    // The marks move with the tonic: A minor's are C major's, five buttons on.
    EXPECT_EQ(theory::DiatonicTensionFits(9, 7), theory::DiatonicTensionFits(0, 5));
}

// By key, each button's root takes the letter of its degree in the key the list names.
TEST(Diatonic, RootsSpelledByDegree)
{
    const std::tuple<int, const char*, const char*> keys[] = {
        { 6, "F＃ G＃ A＃ B C＃ D＃ E＃", "F＃ G＃ A B C＃ D E" },
        { 1, "C＃ D＃ E＃ F＃ G＃ A＃ B＃", "C＃ D＃ E F＃ G＃ A B" }, // the list's C＃ stays
        { 11, "B C＃ D＃ E F＃ G＃ A＃", "B C＃ D E F＃ G A" },
        { 10, "B♭ C D E♭ F G A", "B♭ C D♭ E♭ F G♭ A♭" },
        { 3, "E♭ F G A♭ B♭ C D", "E♭ F G♭ A♭ B♭ C♭ D♭" }, // six flats against six sharps
        { 8, "A♭ B♭ C D♭ E♭ F G", "G＃ A＃ B C＃ D＃ E F＃" }, // not A♭ minor's seven flats
    };
    for (const auto& [tonic, major, minor] : keys) {
        std::string rows[2];
        for (int b = 0; b < theory::kDiatonicButtonCount; ++b) {
            std::string& row = rows[b / 7];
            row += (row.empty() ? "" : " ")
                + std::string(
                    theory::Trimmed(theory::SpelledCell(theory::DiatonicRootName(tonic, b))));
        }
        EXPECT_EQ(rows[0], major) << tonic;
        EXPECT_EQ(rows[1], minor) << tonic;
    }
}
