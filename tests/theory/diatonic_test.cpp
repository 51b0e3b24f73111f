#include "theory/chords.h"
#include "theory/diatonic.h"

#include <gtest/gtest.h>

#include <tuple>

using theory::DiatonicButtons;

// Every button builds its chord on the degree its caption names, from the key's own scale.
TEST(Diatonic, EveryButtonIsAChordOfItsKey)
{
    const std::tuple<const char*, const char*, bool> buttons[]
        = { { "I", "major", true }, { "IIm", "m", false }, { "IIIm", "m", false },
              { "IV", "major", true }, { "V", "major", true }, { "VIm", "m", false },
              { "VIIm(♭5)", "m(♭5)", false }, { "Im", "m", true }, { "IIm(♭5)", "m(♭5)", false },
              { "♭III", "major", false }, { "IVm", "m", true }, { "Vm", "m", true },
              { "♭VI", "major", false }, { "♭VII", "major", false } };
    const int major[] = { 0, 2, 4, 5, 7, 9, 11 };
    const int naturalMinor[] = { 0, 2, 3, 5, 7, 8, 10 };
    for (std::size_t i = 0; i < DiatonicButtons.size(); ++i) {
        const auto& button = DiatonicButtons[i];
        const auto [caption, chord, primary] = buttons[i];
        EXPECT_EQ(button.caption, caption);
        EXPECT_EQ(theory::ChordListText(button.chordType), chord) << caption;
        EXPECT_EQ(button.primary, primary) << caption;
        const int* scale = i < 7 ? major : naturalMinor;
        EXPECT_EQ(button.row, i < 7 ? theory::DiatonicRow::Major : theory::DiatonicRow::Minor);
        EXPECT_EQ(button.step, scale[i % 7]) << caption;
    }
}

// Each diatonic chord of C major and C minor against its chord-scale; every tension not listed
// is outside the key or a chord tone. Where the reference sheet's common tensions differ, the
// comment says so.
TEST(Diatonic, TensionsThatFitEachChordOfTheKey)
{
    using theory::TensionFit;
    const char* const names[] = { "♭9", "9", "♯9", "11", "♯11", "♭13", "13" };
    const std::pair<const char*, const char*> rows[] = {
        { "9 13", "11" }, // I, Ionian
        { "9 11 13", "" }, // IIm, Dorian; the sheet leaves out 13, a tritone above the third
        { "11", "♭9 ♭13" }, // IIIm, Phrygian
        { "9 ♯11 13", "" }, // IV, Lydian
        { "9 13", "11" }, // V, Mixolydian; the sheet adds ♭9 and ♭13 from the minor key
        { "9 11", "♭13" }, // VIm, Aeolian
        { "11 ♭13", "♭9" }, // VIIm(♭5), Locrian; the sheet has 9 (Locrian ♮2) and no 11
        { "9 11", "♭13" }, // Im, Aeolian
        { "11 ♭13", "♭9" }, // IIm(♭5), Locrian
        { "9 13", "11" }, // ♭III, Ionian
        { "9 11 13", "" }, // IVm, Dorian
        { "11", "♭9 ♭13" }, // Vm, Phrygian; the sheet has 9, from the melodic minor
        { "9 ♯11 13", "" }, // ♭VI, Lydian
        { "9 13", "11" }, // ♭VII, Mixolydian
    };
    for (int b = 0; b < theory::kDiatonicButtonCount; ++b) {
        std::string available, avoid;
        const theory::TensionFits fits = theory::DiatonicTensionFits(0, b);
        for (std::size_t i = 0; i < fits.size(); ++i) {
            if (!fits[i] || *fits[i] == TensionFit::OutsideKey)
                continue;
            std::string& list = *fits[i] == TensionFit::Available ? available : avoid;
            list += (list.empty() ? "" : " ") + std::string(names[i]);
        }
        EXPECT_EQ(available, rows[b].first) << DiatonicButtons[static_cast<std::size_t>(b)].caption;
        EXPECT_EQ(avoid, rows[b].second) << DiatonicButtons[static_cast<std::size_t>(b)].caption;
    }
    // G major in C: the ♭9 A♭ lies outside; the ♯9 of A minor (C) is its third, unmarked.
    EXPECT_EQ(theory::DiatonicTensionFits(0, 4)[0], TensionFit::OutsideKey);
    EXPECT_EQ(theory::DiatonicTensionFits(0, 5)[2], std::nullopt);
}
