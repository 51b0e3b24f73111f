#include "theory/chordmatch.h"
#include "theory/chords.h"
#include "theory/diatonic.h"

#include <gtest/gtest.h>

using theory::DiatonicButtons;
using theory::SpellingMode;

TEST(Diatonic, WorkedExamples)
{
    struct Case {
        int keyItem;
        int button;
        int rootValue;
        const char* chord;
    };
    const Case cases[] = {
        { 11, 4, 4, "major" }, // key C, V: G
        { 2, 12, 6, "major" }, // key A, bVI: F (2 - 8 wraps)
        { 0, 1, 10, "m" }, // key B, IIm: C#
        { 7, 6, 8, "m(♭5)" }, // key E, VIIm(b5): D#
        { 11, 13, 1, "major" }, // key C, bVII: Bb major
    };
    for (const Case& c : cases) {
        const auto& button = DiatonicButtons[static_cast<std::size_t>(c.button)];
        EXPECT_EQ(theory::DiatonicRootValue(c.keyItem, button.step), c.rootValue);
        EXPECT_EQ(theory::ChordListText(button.chordType), c.chord);
    }
}

// Every button builds a chord of the key's own scale, on the degree its caption names.
TEST(Diatonic, EveryChordBelongsToItsKey)
{
    const int major[] = { 0, 2, 4, 5, 7, 9, 11 };
    const int naturalMinor[] = { 0, 2, 3, 5, 7, 8, 10 };
    for (int keyItem = 0; keyItem < theory::kKeyListItems; ++keyItem) {
        const int tonic = 11 - keyItem;
        for (std::size_t i = 0; i < DiatonicButtons.size(); ++i) {
            const auto& button = DiatonicButtons[i];
            const int* scale = button.row == theory::DiatonicRow::Major ? major : naturalMinor;
            EXPECT_EQ(button.step, scale[i % 7]) << button.caption;
            std::uint16_t scaleMask = 0;
            for (int k = 0; k < 7; ++k)
                scaleMask |= static_cast<std::uint16_t>(1u << (tonic + scale[k]) % 12);
            const int root = 11 - theory::DiatonicRootValue(keyItem, button.step);
            const std::uint16_t intervals = theory::ChordIntervalMask(button.chordType);
            for (int pc = 0; pc < 12; ++pc) {
                const bool inChord = intervals >> pc & 1;
                const bool inScale = scaleMask >> (root + pc) % 12 & 1;
                EXPECT_TRUE(!inChord || inScale) << button.caption << " key " << keyItem;
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

TEST(Diatonic, KeyListFollowsTheSpelling)
{
    struct Row {
        SpellingMode mode;
        const char* items[5]; // items 1, 3, 5, 8, 10
    };
    const Row rows[] = {
        { SpellingMode::Mixed, { "B♭", "A♭", "F＃", "E♭", "C＃" } },
        { SpellingMode::Sharps, { "A＃", "G＃", "F＃", "D＃", "C＃" } },
        { SpellingMode::Flats, { "B♭", "A♭", "G♭", "E♭", "D♭" } },
    };
    const int altered[] = { 1, 3, 5, 8, 10 };
    for (const Row& row : rows) {
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(theory::KeyListItem(row.mode, altered[i]), row.items[i]);
        EXPECT_EQ(theory::KeyListItem(row.mode, 0), "B");
        EXPECT_EQ(theory::KeyListItem(row.mode, 11), "C");
    }
    EXPECT_EQ(theory::KeyListItem(SpellingMode { 4 }, 11), "");
    EXPECT_EQ(theory::KeyListDesignItems[5], "G♭");
    EXPECT_EQ(theory::KeyListDesignItems[11], "C");
}
