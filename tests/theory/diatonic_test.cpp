#include "theory/chords.h"
#include "theory/diatonic.h"
#include "theory/scales.h"

#include <gtest/gtest.h>

#include <bit>

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
    };
    for (int b = 0; b < 7; ++b) {
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
    // A minor key's chords are its relative major's, five degrees on: Im is VIm, Vm is IIIm
    // (Phrygian; the sheet has 9 there, from the melodic minor).
    for (int b = 7; b < theory::kDiatonicButtonCount; ++b)
        EXPECT_EQ(theory::DiatonicTensionFits(0, b), theory::DiatonicTensionFits(3, (b - 2) % 7));
    // G major in C: the ♭9 A♭ lies outside; the ♯9 of A minor (C) is its third, unmarked.
    EXPECT_EQ(theory::DiatonicTensionFits(0, 4)[0], TensionFit::OutsideKey);
    EXPECT_EQ(theory::DiatonicTensionFits(0, 5)[2], std::nullopt);
}
