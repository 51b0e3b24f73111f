#include "theory/chords.h"
#include "theory/diatonic.h"

#include <gtest/gtest.h>

using theory::DiatonicButtons;
using theory::SpellingMode;

TEST(Diatonic, WorkedExamples)
{
    struct Case {
        int tonic;
        int button;
        int root;
        const char* chord;
    };
    const Case cases[] = {
        { 0, 4, 7, "major" }, // key C, V: G
        { 9, 12, 5, "major" }, // key A, bVI: F (9 + 8 wraps)
        { 11, 1, 1, "m" }, // key B, IIm: C#
        { 4, 6, 3, "m(♭5)" }, // key E, VIIm(b5): D#
        { 0, 13, 10, "major" }, // key C, bVII: Bb major
    };
    for (const Case& c : cases) {
        const auto& button = DiatonicButtons[static_cast<std::size_t>(c.button)];
        EXPECT_EQ(theory::DiatonicRoot(c.tonic, button.step), c.root);
        EXPECT_EQ(theory::ChordListText(button.chordType), c.chord);
    }
}

// Every button builds a chord of the key's own scale, on the degree its caption names.
TEST(Diatonic, EveryChordBelongsToItsKey)
{
    const int major[] = { 0, 2, 4, 5, 7, 9, 11 };
    const int naturalMinor[] = { 0, 2, 3, 5, 7, 8, 10 };
    for (int tonic = 0; tonic < 12; ++tonic) {
        for (std::size_t i = 0; i < DiatonicButtons.size(); ++i) {
            const auto& button = DiatonicButtons[i];
            const int* scale = button.row == theory::DiatonicRow::Major ? major : naturalMinor;
            EXPECT_EQ(button.step, scale[i % 7]) << button.caption;
            std::uint16_t scaleMask = 0;
            for (int k = 0; k < 7; ++k)
                scaleMask |= static_cast<std::uint16_t>(1u << (tonic + scale[k]) % 12);
            const int root = theory::DiatonicRoot(tonic, button.step);
            const std::uint16_t intervals = theory::ChordIntervalMask(button.chordType);
            for (int pc = 0; pc < 12; ++pc) {
                const bool inChord = intervals >> pc & 1;
                const bool inScale = scaleMask >> (root + pc) % 12 & 1;
                EXPECT_TRUE(!inChord || inScale) << button.caption << " key " << tonic;
            }
        }
    }
}

TEST(Diatonic, CaptionsAndBoldPrimaries)
{
    const char* const captions[] = { "I", "IIm", "IIIm", "IV", "V", "VIm", "VIIm(♭5)", "Im",
        "IIm(♭5)", "♭III", "IVm", "Vm", "♭VI", "♭VII" };
    for (std::size_t i = 0; i < DiatonicButtons.size(); ++i) {
        EXPECT_EQ(DiatonicButtons[i].caption, captions[i]);
        const bool primary = i == 0 || i == 3 || i == 4 || i == 7 || i == 10 || i == 11;
        EXPECT_EQ(DiatonicButtons[i].primary, primary) << captions[i];
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
