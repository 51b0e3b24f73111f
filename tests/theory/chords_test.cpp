#include "theory/chords.h"
#include "theory/scales.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

using theory::SpellingMode;

namespace {

std::string ChordTones(int root, int type, SpellingMode mode)
{
    const auto cells = theory::MatrixNoteNames(root, mode, type);
    std::string tones;
    for (int slot : theory::ChordSlots(type)) {
        if (!tones.empty())
            tones += ' ';
        tones += theory::Trimmed(cells[static_cast<std::size_t>(slot)]);
    }
    return tones;
}

// Every chord type on C in the mixed table, written out by hand.
const char* const kOnC[theory::kChordTypeCount][2] = {
    { "N.C.", "" },
    { "major", "C E G" },
    { "add9", "C D E G" },
    { "sus4", "C F G" },
    { "dim", "C E♭ F＃ A" },
    { "aug", "C E A♭" },
    { "M7", "C E G B" },
    { "M7(9)", "C E G B D" },
    { "6", "C E G A" },
    { "6(9)", "C E G A D" },
    { "7", "C E G B♭" },
    { "7sus4", "C F G B♭" },
    { "7(9)", "C E G B♭ D" },
    { "7(♭5)", "C E F＃ B♭" },
    { "7(♯5)", "C E A♭ B♭" },
    { "7(♭9)", "C E G B♭ C＃" },
    { "7(♯9)", "C E G B♭ E♭" },
    { "7(13)", "C E G B♭ A" },
    { "7(♭13)", "C E G B♭ A♭" },
    { "7(♯11)", "C E G B♭ F＃" },
    { "m", "C E♭ G" },
    { "madd9", "C D E♭ G" },
    { "m(♭5)", "C E♭ F＃" },
    { "m6", "C E♭ G A" },
    { "m7", "C E♭ G B♭" },
    { "m7(9)", "C E♭ G B♭ D" },
    { "m7(♭5)", "C E♭ F＃ B♭" },
    { "m7(11)", "C E♭ G B♭ F" },
    { "mM7", "C E♭ G B" },
};

} // namespace

TEST(Chords, EveryTypeOnC)
{
    for (int t = 0; t < theory::kChordTypeCount; ++t) {
        EXPECT_EQ(theory::ChordListText(t), kOnC[t][0]);
        EXPECT_EQ(ChordTones(0, t, SpellingMode::Mixed), kOnC[t][1]) << kOnC[t][0];
    }
}

TEST(Chords, SpelledAsAMusicianWritesThem)
{
    const std::tuple<int, int, SpellingMode, const char*> cases[] = {
        { 6, 10, SpellingMode::Sharps, "F＃ A＃ C＃ E" },
        { 1, 10, SpellingMode::ByKey, "C＃ E＃ G＃ B" }, // a tie with D♭ keeps the mixed name
        { 11, 16, SpellingMode::ByKey, "B D＃ F＃ A C𝄪" },
        { 8, 18, SpellingMode::ByKey, "A♭ C E♭ G♭ F♭" },
    };
    for (auto [root, type, mode, tones] : cases)
        EXPECT_EQ(ChordTones(root, type, mode), tones);
    EXPECT_EQ(theory::ChordItemText(1, 16, SpellingMode::ByKey), "D♭7(♯9)");
    // Unlit slots follow their interval names: the augmented fifth of C＃ is G𝄪; named 増4 and
    // 短6, the slots of C read F＃ and A♭.
    EXPECT_EQ(theory::MatrixNoteNames(1, SpellingMode::ByKey)[8], "G𝄪");
    const auto renamed
        = theory::MatrixNoteNames(0, SpellingMode::ByKey, 0, { {}, 1u << 6 | 1u << 8 });
    EXPECT_EQ(renamed[6], "F＃");
    EXPECT_EQ(renamed[8], "A♭");
    // A key names the root: E＃m in F＃ major, where the chord alone would read Fm.
    EXPECT_EQ(
        theory::MatrixNoteNames(5, SpellingMode::ByKey, 20, { theory::SpelledNote { 2, 1 } })[3],
        "G＃");
    EXPECT_EQ(theory::ChordSymbol("C", 1), "C");
    EXPECT_EQ(theory::ChordSymbol("F＃", 26), "F＃m7(♭5)");
}

// On every root, by key, every cell sounds as in the mixed table; the tension row repeats its
// source slots an octave up.
TEST(Chords, EveryCellSoundsTheSlotsInterval)
{
    for (int root = 0; root < 12; ++root) {
        const auto mixed = theory::MatrixNoteNames(root, SpellingMode::Mixed);
        for (int s = 0; s < theory::kMatrixSlots; ++s) {
            const theory::MatrixSlot& slot = theory::MatrixSlots[static_cast<std::size_t>(s)];
            EXPECT_EQ(theory::NotePitchClass(theory::Trimmed(mixed[static_cast<std::size_t>(s)])),
                (root + slot.semitones) % 12);
            if (s >= theory::kFirstTensionSlot) {
                EXPECT_EQ(slot.semitones,
                    theory::MatrixSlots[static_cast<std::size_t>(slot.source)].semitones + 12);
            }
        }
        for (int t = 0; t < theory::kChordTypeCount; ++t) {
            const auto cells = theory::MatrixNoteNames(root, SpellingMode::ByKey, t);
            for (std::size_t s = 0; s < cells.size(); ++s)
                EXPECT_EQ(theory::NotePitchClass(theory::Trimmed(cells[s])),
                    theory::NotePitchClass(theory::Trimmed(mixed[s])))
                    << "root " << root << " type " << t << " slot " << s;
        }
    }
}

TEST(Chords, CatalogueInvariants)
{
    std::set<std::pair<std::uint16_t, bool>> seen;
    std::set<std::string_view> tension;
    for (int t = 1; t < theory::kChordTypeCount; ++t) {
        SCOPED_TRACE(theory::ChordListText(t));
        const std::uint32_t mask = theory::LitSlotMask(t);
        for (int s = theory::kFirstTensionSlot; s < theory::kMatrixSlots; ++s) {
            const int source = theory::MatrixSlots[static_cast<std::size_t>(s)].source;
            EXPECT_FALSE((mask >> s & 1) && (mask >> source & 1)) << "slot " << s;
        }
        // No two types sound the same notes on the same row split.
        EXPECT_TRUE(seen.insert({ theory::ChordIntervalMask(t), theory::LightsTension(t) }).second);
        if (theory::LightsTension(t))
            tension.insert(theory::ChordListText(t));
    }
    const std::set<std::string_view> ninthsEleventhsThirteenths { "M7(9)", "6(9)", "7(9)", "7(♭9)",
        "7(♯9)", "7(13)", "7(♭13)", "7(♯11)", "m7(9)", "m7(11)" };
    EXPECT_EQ(tension, ninthsEleventhsThirteenths);
}

// Indexes the windows never give: nothing, rather than a read past a table.
TEST(Catalogues, OutOfRangeGivesNothing)
{
    EXPECT_EQ(theory::ChordListText(29), "");
    EXPECT_TRUE(theory::ChordSlots(-1).empty());
    EXPECT_EQ(theory::MatrixNoteNames(12, SpellingMode::Mixed)[0], "");
    EXPECT_EQ(theory::MatrixNoteNames(0, SpellingMode { 4 })[0], "");
    EXPECT_EQ(theory::SpellScale(0, 24, SpellingMode::Sharps)[0].text, "");
    EXPECT_EQ(theory::ScalePitchMask(12, 0), 0);
}
