#include "theory/chordmatch.h"

#include <gtest/gtest.h>

#include <random>

using theory::HitList;
using theory::SpellingMode;

namespace {

std::uint16_t Notes(std::initializer_list<const char*> names)
{
    std::uint16_t notes = 0;
    for (const char* name : names)
        notes |= static_cast<std::uint16_t>(1u << theory::NotePitchClass(name).value());
    return notes;
}

std::vector<std::string> Items(std::uint16_t notes, HitList list)
{
    std::vector<std::string> items;
    for (const theory::ChordHit& hit : theory::SearchChords(notes)) {
        if (hit.list == list)
            items.push_back(theory::ChordItemText(hit.root, hit.type, SpellingMode::Mixed));
    }
    return items;
}

} // namespace

TEST(ChordMatch, NoteNamesOfEveryTableReadAsTheirPitchClass)
{
    const std::pair<const char*, int> names[] = { { "C", 0 }, { "C＃", 1 }, { "D♭", 1 },
        { "D＃", 3 }, { "E♭", 3 }, { "G＃", 8 }, { "A♭", 8 }, { "A＃", 10 }, { "B", 11 } };
    for (auto [name, pc] : names)
        EXPECT_EQ(theory::NotePitchClass(name), pc) << name;
    for (const char* other : { "", "C　", "H", "C#", "c", "C＃＃", "𝄪" })
        EXPECT_EQ(theory::NotePitchClass(other), std::nullopt) << other;
}

TEST(ChordMatch, WorkedSearches)
{
    struct Case {
        std::uint16_t notes;
        std::vector<std::string> plain;
        std::vector<std::string> tension;
    };
    const Case cases[] = {
        // The whole ninth chord names only itself.
        { Notes({ "C", "E", "G", "B♭", "D" }), {}, { "C　7(9)" } },
        // add9 keeps its ninth in the structure row, so it is a plain chord.
        { Notes({ "C", "D", "E", "G" }), { "C　add9" },
            { "C　M7(9)", "C　6(9)", "C　7(9)", "A　m7(11)" } },
        { Notes({ "C", "E", "A" }),
            { "A　m", "A　madd9", "A　m6", "A　m7", "A　mM7", "C　6", "F　M7", "F＃m7(♭5)" },
            { "A　7(♯9)", "A　m7(9)", "A　m7(11)", "C　6(9)", "C　7(13)", "D　7(9)", "D　m7(9)",
                "F　M7(9)" } },
        { 0, {}, {} },
    };
    for (const Case& c : cases) {
        std::vector<std::string> plain = Items(c.notes, HitList::Plain);
        std::vector<std::string> tension = Items(c.notes, HitList::Tension);
        std::sort(plain.begin(), plain.end());
        std::sort(tension.begin(), tension.end());
        std::vector<std::string> wantPlain = c.plain, wantTension = c.tension;
        std::sort(wantPlain.begin(), wantPlain.end());
        std::sort(wantTension.begin(), wantTension.end());
        EXPECT_EQ(plain, wantPlain);
        EXPECT_EQ(tension, wantTension);
    }
}

TEST(ChordMatch, TriesRootsFromBDownToCAndEveryTypeOnEach)
{
    EXPECT_EQ(theory::SearchStep(0).root, 11);
    EXPECT_EQ(theory::SearchStep(0).type, 1);
    EXPECT_EQ(theory::SearchStep(theory::kSearchSteps - 1).root, 0);
    EXPECT_EQ(theory::ChordListText(theory::SearchStep(theory::kSearchSteps - 1).type), "mM7");
    // One note: each chord type holds it on as many roots as it has notes, 117 in all, the
    // last on C.
    const auto hits = theory::SearchChords(Notes({ "C" }));
    EXPECT_EQ(hits.size(), 117u);
    EXPECT_EQ(hits.back().root, 0);
    EXPECT_EQ(theory::ChordListText(hits.back().type), "mM7");
}

// Against the rule as a musician states it, from the catalogue's slots: a chord matches when
// every searched pitch class is one of its notes.
TEST(ChordMatch, AgreesWithTheRuleOverRandomNoteSets)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const auto notes = static_cast<std::uint16_t>(random() & 0xFFF & random() & random());
        std::vector<std::pair<int, int>> expected;
        for (int i = 0; i < theory::kSearchSteps; ++i) {
            const theory::ChordOnRoot chord = theory::SearchStep(i);
            std::uint16_t sounding = 0;
            for (int slot : theory::ChordSlots(chord.type))
                sounding |= static_cast<std::uint16_t>(1u
                    << (chord.root + theory::MatrixSlots[static_cast<std::size_t>(slot)].semitones)
                        % 12);
            if (notes != 0 && (notes & sounding) == notes)
                expected.emplace_back(chord.root, chord.type);
        }
        std::vector<std::pair<int, int>> found;
        for (const theory::ChordHit& hit : theory::SearchChords(notes)) {
            found.emplace_back(hit.root, hit.type);
            EXPECT_EQ(hit.list == HitList::Tension, theory::LightsTension(hit.type));
        }
        EXPECT_EQ(found, expected) << "notes " << notes;
    }
}
