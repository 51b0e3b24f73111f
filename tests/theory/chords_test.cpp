#include "theory/chords.h"

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

TEST(Chords, SpellingDependsOnPitchClassAndTableOnly)
{
    struct Case {
        int root;
        int type;
        SpellingMode mode;
        const char* tones;
    };
    const Case cases[] = {
        { 6, 10, SpellingMode::Mixed, "F＃ B♭ C＃ E" },
        { 6, 10, SpellingMode::Sharps, "F＃ A＃ C＃ E" },
        { 6, 10, SpellingMode::Flats, "G♭ B♭ D♭ E" },
        { 0, 16, SpellingMode::Sharps, "C E G A＃ D＃" },
        { 11, 28, SpellingMode::Mixed, "B D F＃ B♭" },
        { 9, 27, SpellingMode::Flats, "A C E G D" },
        { 2, 15, SpellingMode::Flats, "D G♭ A C E♭" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChordTones(c.root, c.type, c.mode), c.tones);
}

TEST(Chords, ByKeyAsAMusicianWritesThem)
{
    const std::tuple<int, int, const char*> cases[] = {
        { 1, 10, "C＃ E＃ G＃ B" }, // a tie with D♭ F A♭ C♭ keeps the mixed name
        { 6, 6, "G♭ B♭ D♭ F" },
        { 11, 16, "B D＃ F＃ A C𝄪" },
        { 1, 16, "D♭ F A♭ C♭ E" },
        { 0, 4, "C E♭ G♭ B𝄫" },
        { 0, 15, "C E G B♭ D♭" },
        { 0, 19, "C E G B♭ F＃" },
        { 4, 5, "E G＃ B＃" },
        { 8, 18, "A♭ C E♭ G♭ F♭" },
        { 6, 26, "F＃ A C E" },
    };
    for (auto [root, type, tones] : cases)
        EXPECT_EQ(ChordTones(root, type, SpellingMode::ByKey), tones);
    EXPECT_EQ(theory::ChordItemText(1, 16, SpellingMode::ByKey), "D♭7(♯9)");
    // Unlit slots follow their interval names: the augmented fifth of C＃ is G𝄪.
    EXPECT_EQ(theory::MatrixNoteNames(1, SpellingMode::ByKey)[8], "G𝄪");
}

TEST(Chords, ByKeyEveryCellSoundsAsInTheTables)
{
    for (int root = 0; root < 12; ++root) {
        const auto mixed = theory::MatrixNoteNames(root, SpellingMode::Mixed);
        for (int t = 0; t < theory::kChordTypeCount; ++t) {
            const auto cells = theory::MatrixNoteNames(root, SpellingMode::ByKey, t);
            for (std::size_t s = 0; s < cells.size(); ++s) {
                EXPECT_EQ(theory::NotePitchClass(theory::Trimmed(cells[s])),
                    theory::NotePitchClass(theory::Trimmed(mixed[s])))
                    << "root " << root << " type " << t << " slot " << s;
            }
        }
    }
}

TEST(Chords, MatrixOnB)
{
    const auto mixed = theory::MatrixNoteNames(11, SpellingMode::Mixed);
    const auto sharps = theory::MatrixNoteNames(11, SpellingMode::Sharps);
    EXPECT_EQ(mixed[0], "B　");
    EXPECT_EQ(mixed[1], "C　");
    EXPECT_EQ(mixed[11], "B♭");
    EXPECT_EQ(sharps[11], "A＃");
    EXPECT_EQ(mixed[18], "A♭");
    EXPECT_EQ(sharps[18], "G＃");
}

TEST(Chords, TensionRowRepeatsItsSourceSlots)
{
    const auto cells = theory::MatrixNoteNames(0, SpellingMode::Mixed);
    const char* const tensions[] = { "C＃", "D　", "E♭", "F　", "F＃", "A♭", "A　" };
    for (int s = theory::kFirstTensionSlot; s < theory::kMatrixSlots; ++s) {
        EXPECT_EQ(cells[static_cast<std::size_t>(s)], tensions[s - theory::kFirstTensionSlot]);
        const theory::MatrixSlot& slot = theory::MatrixSlots[static_cast<std::size_t>(s)];
        EXPECT_EQ(slot.semitones,
            theory::MatrixSlots[static_cast<std::size_t>(slot.source)].semitones + 12);
    }
}

TEST(Chords, CatalogueInvariants)
{
    std::set<std::pair<std::uint16_t, bool>> seen;
    for (int t = 1; t < theory::kChordTypeCount; ++t) {
        SCOPED_TRACE(theory::ChordListText(t));
        const auto slots = theory::ChordSlots(t);
        ASSERT_GE(slots.size(), 3u);
        ASSERT_LE(slots.size(), 5u);
        EXPECT_EQ(slots[0], 0); // every chord lights its root
        for (std::size_t i = 1; i < slots.size(); ++i)
            EXPECT_LT(slots[i - 1], slots[i]);
        const std::uint32_t mask = theory::LitSlotMask(t);
        for (int s = theory::kFirstTensionSlot; s < theory::kMatrixSlots; ++s) {
            const int source = theory::MatrixSlots[static_cast<std::size_t>(s)].source;
            EXPECT_FALSE((mask >> s & 1) && (mask >> source & 1)) << "slot " << s;
        }
        // No two types sound the same notes on the same row split.
        EXPECT_TRUE(seen.insert({ theory::ChordIntervalMask(t), theory::LightsTension(t) }).second);
    }
    EXPECT_TRUE(theory::ChordSlots(0).empty());
}

TEST(Chords, TensionTypesAreExactlyTheNinthsEleventhsAndThirteenths)
{
    std::set<std::string_view> tension;
    for (int t = 1; t < theory::kChordTypeCount; ++t) {
        if (theory::LightsTension(t))
            tension.insert(theory::ChordListText(t));
    }
    const std::set<std::string_view> expected { "M7(9)", "6(9)", "7(9)", "7(♭9)", "7(♯9)", "7(13)",
        "7(♭13)", "7(♯11)", "m7(9)", "m7(11)" };
    EXPECT_EQ(tension, expected);
}

TEST(Chords, DegreeAndAlteredGroups)
{
    const std::set<int> degree { 0, 2, 4, 5, 7, 9, 11, 13, 15, 18 };
    for (int s = 0; s < theory::kMatrixSlots; ++s) {
        const auto group = theory::MatrixSlots[static_cast<std::size_t>(s)].group;
        EXPECT_EQ(group == theory::SlotGroup::Degree, degree.count(s) == 1) << s;
    }
    EXPECT_EQ(theory::MatrixSlots[0].alternativeName, "根音");
    EXPECT_EQ(theory::MatrixSlots[6].alternativeName, "増4");
    EXPECT_EQ(theory::MatrixSlots[18].defaultName, "長13");
}

TEST(Chords, BadInputGivesNothing)
{
    EXPECT_EQ(theory::ChordListText(29), "");
    EXPECT_TRUE(theory::ChordSlots(-1).empty());
    EXPECT_EQ(theory::LitSlotMask(40), 0u);
    for (std::string_view cell : theory::MatrixNoteNames(0, SpellingMode { 4 }))
        EXPECT_EQ(cell, "");
    for (std::string_view cell : theory::MatrixNoteNames(12, SpellingMode::Mixed))
        EXPECT_EQ(cell, "");
}
