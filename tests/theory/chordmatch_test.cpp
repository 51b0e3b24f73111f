#include "theory/chordmatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using theory::HitList;
using theory::SpellingMode;

namespace {

constexpr SpellingMode kModes[]
    = { SpellingMode::Mixed, SpellingMode::Sharps, SpellingMode::Flats };

std::vector<std::string> Items(const std::vector<theory::ChordHit>& hits, HitList list)
{
    std::vector<std::string> items;
    for (const auto& hit : hits) {
        if (hit.list == list)
            items.push_back(hit.item);
    }
    return items;
}

std::vector<theory::ChordHit> Search(std::vector<std::string_view> boxes, SpellingMode mode)
{
    return theory::SearchChords(boxes, mode);
}

} // namespace

TEST(ChordMatch, EnharmonicNames)
{
    const std::pair<const char*, const char*> pairs[]
        = { { "C＃", "D♭" }, { "D＃", "E♭" }, { "F＃", "G♭" }, { "G＃", "A♭" }, { "A＃", "B♭" } };
    for (auto [sharp, flat] : pairs) {
        EXPECT_EQ(theory::EnharmonicName(sharp), flat);
        EXPECT_EQ(theory::EnharmonicName(flat), sharp);
    }
    for (const char* natural : { "C", "D", "E", "F", "G", "A", "B" })
        EXPECT_EQ(theory::EnharmonicName(natural), natural);
    for (const char* other : { "", "C　", "E＃", "C♭", "H", "C#", "c" })
        EXPECT_EQ(theory::EnharmonicName(other), std::nullopt) << other;
}

TEST(ChordMatch, OneNoteFindsEveryChordHoldingIt)
{
    for (SpellingMode mode : kModes) {
        const auto hits = Search({ "C" }, mode);
        // Each chord type holds distinct pitch classes, so it holds C on as many roots as
        // it has notes: 3 to 5 per type, 117 in all.
        EXPECT_EQ(hits.size(), 117u);
        const auto plain = Items(hits, HitList::Plain);
        ASSERT_FALSE(plain.empty());
        // Root C is tried last, and "major" is its first type.
        const auto onC = std::find(plain.begin(), plain.end(), "C　major");
        ASSERT_NE(onC, plain.end());
        EXPECT_GE(onC - plain.begin(), static_cast<long>(plain.size()) - 18);
        EXPECT_EQ(hits.back().item, "C　mM7");
    }
}

TEST(ChordMatch, RootsAreSpelledTheWindowsWay)
{
    const auto hits = Search({ "C＃", "F" }, SpellingMode::Flats);
    const auto plain = Items(hits, HitList::Plain);
    EXPECT_NE(std::find(plain.begin(), plain.end(), "D♭major"), plain.end());
    EXPECT_NE(std::find(plain.begin(), plain.end(), "B♭m"), plain.end());
    for (const auto& hit : hits)
        EXPECT_EQ(hit.item.find("＃"), std::string::npos) << hit.item;
}

TEST(ChordMatch, FiveNotesFindTheNinthChord)
{
    const auto hits = Search({ "C", "E", "G", "B♭", "D" }, SpellingMode::Mixed);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].item, "C　7(9)");
    EXPECT_EQ(hits[0].list, HitList::Tension);
    EXPECT_EQ(hits[0].rootValue, 11);
    EXPECT_EQ(hits[0].chordType, 12);
}

TEST(ChordMatch, Add9StaysInThePlainList)
{
    const auto hits = Search({ "C", "D", "E", "G" }, SpellingMode::Sharps);
    EXPECT_EQ(Items(hits, HitList::Plain), std::vector<std::string> { "C　add9" });
    // Am7(11) holds them too (A C E G D), and is tried before the chords on C.
    EXPECT_EQ(Items(hits, HitList::Tension),
        (std::vector<std::string> { "A　m7(11)", "C　M7(9)", "C　6(9)", "C　7(9)" }));
}

TEST(ChordMatch, RepeatedAndEmptyBoxesImposeNothing)
{
    for (SpellingMode mode : kModes) {
        const auto once = Search({ "E♭", "", "G" }, mode);
        const auto twice = Search({ "D＃", "E♭", "G", "", "G" }, mode);
        ASSERT_EQ(once.size(), twice.size());
        for (std::size_t i = 0; i < once.size(); ++i)
            EXPECT_EQ(once[i].item, twice[i].item);
        EXPECT_FALSE(once.empty());
    }
}

TEST(ChordMatch, NothingToSearchOrNothingToMatch)
{
    EXPECT_TRUE(Search({ "", "", "", "", "" }, SpellingMode::Mixed).empty());
    EXPECT_TRUE(Search({}, SpellingMode::Mixed).empty());
    EXPECT_TRUE(Search({ "C", "E＃" }, SpellingMode::Mixed).empty());
    EXPECT_TRUE(Search({ "C" }, SpellingMode { 3 }).empty());
    // Three notes a semitone apart are in no chord of the catalogue.
    EXPECT_TRUE(Search({ "C", "C＃", "D" }, SpellingMode::Mixed).empty());
}

// The pure search agrees with the window's rule applied to every displayed chord.
TEST(ChordMatch, AgreesWithTheDisplayedCellsRule)
{
    std::mt19937 random(7);
    const char* const names[] = { "C", "C＃", "D♭", "D", "D＃", "E♭", "E", "F", "F＃", "G♭", "G",
        "G＃", "A♭", "A", "A＃", "B♭", "B", "" };
    for (int round = 0; round < 120; ++round) {
        std::vector<std::string_view> boxes;
        for (int b = 0; b < 5; ++b)
            boxes.push_back(names[random() % std::size(names)]);
        const SpellingMode mode = kModes[round % 3];
        std::vector<std::string> expected;
        if (std::any_of(boxes.begin(), boxes.end(), [](auto box) { return !box.empty(); })) {
            for (int rootValue = 0; rootValue < 12; ++rootValue) {
                const auto cells = theory::MatrixNoteNames(11 - rootValue, mode);
                for (int t = 1; t < theory::kChordTypeCount; ++t) {
                    const bool hit = std::all_of(boxes.begin(), boxes.end(), [&](auto box) {
                        return theory::BoxMatches(box, cells, theory::LitSlotMask(t));
                    });
                    if (hit)
                        expected.push_back(theory::ResultItemText(rootValue, t, mode));
                }
            }
        }
        std::vector<std::string> found;
        for (const auto& hit : theory::SearchChords(boxes, mode))
            found.push_back(hit.item);
        ASSERT_EQ(found, expected) << "round " << round;
    }
}

TEST(ChordMatch, ResultItemsReadBack)
{
    EXPECT_EQ(theory::ResultItemText(11, 1, SpellingMode::Mixed), "C　major");
    EXPECT_EQ(theory::ResultItemText(10, 24, SpellingMode::Sharps), "C＃m7");
    EXPECT_EQ(theory::ResultItemText(5, 16, SpellingMode::Mixed), "F＃7(♯9)");
    for (SpellingMode mode : kModes) {
        for (int v = 0; v < 12; ++v) {
            for (int t = 1; t < theory::kChordTypeCount; ++t) {
                const auto parsed = theory::ParseResultItem(theory::ResultItemText(v, t, mode));
                ASSERT_EQ(parsed.rootValue, v);
                ASSERT_EQ(parsed.chordType, t);
            }
        }
    }
    const std::tuple<const char*, int, int> odd[] = {
        { "", 0, 0 },
        { "X　major", 0, 1 },
        { "C　nonsense", 11, 0 },
        { "C　N.C.", 11, 0 },
        { "D♭m7  ", 10, 24 },
        { "B", 0, 0 },
    };
    for (auto [item, root, type] : odd) {
        const auto parsed = theory::ParseResultItem(item);
        EXPECT_EQ(parsed.rootValue, root) << item;
        EXPECT_EQ(parsed.chordType, type) << item;
    }
}
