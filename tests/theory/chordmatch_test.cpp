#include "theory/chordmatch.h"

#include <gtest/gtest.h>

#include <algorithm>
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

namespace {

std::array<std::string, theory::kMatrixSlots> DefaultIntervalNames()
{
    std::array<std::string, theory::kMatrixSlots> names;
    for (std::size_t s = 0; s < names.size(); ++s)
        names[s] = theory::MatrixSlots[s].defaultName;
    return names;
}

} // namespace

TEST(ChordMatch, EachSearchedNoteIsNamedByItsSlotInTheHit)
{
    struct Case {
        int root;
        const char* type;
        std::uint16_t notes;
        const char* why;
    };
    const Case cases[] = {
        { 9, "m7", Notes({ "C", "E", "A" }), "A = 完1, C = 短3, E = 完5 + G (短7)" },
        { 6, "m7(♭5)", Notes({ "C", "E", "A" }), "A = 短3, C = 減5, E = 短7 + F＃ (完1)" },
        { 0, "7(9)", Notes({ "C", "E", "G", "B♭", "D" }),
            "C = 完1, E = 長3, G = 完5, B♭ = 短7, D = 長9" },
        // The ninth of add9 is a second; the ♯9 is named as the mixed table spells pitch class 3.
        { 0, "add9", Notes({ "D" }), "D = 長2 + C (完1), E (長3), G (完5)" },
        { 0, "7(♯9)", Notes({ "E♭" }), "E♭ = 増9 + C (完1), E (長3), G (完5), B♭ (短7)" },
        { 0, "major", Notes({ "D" }), "" }, // not a hit
    };
    for (const Case& c : cases)
        EXPECT_EQ(theory::ExplainHit(c.root, theory::FindChordType(c.type), c.notes,
                      SpellingMode::Mixed, DefaultIntervalNames()),
            c.why)
            << c.type;
}

// Over every hit of many searches: each searched pitch class has one role, at a slot the chord
// lights, and the roles run from the lowest slot up.
TEST(ChordMatch, EveryRoleIsALitSlot)
{
    std::mt19937 random(19);
    for (int round = 0; round < 100; ++round) {
        const auto notes = static_cast<std::uint16_t>(random() & random() & 0xFFF);
        for (const theory::ChordHit& hit : theory::SearchChords(notes)) {
            const auto roles = theory::ChordRoles(hit.root, hit.type, notes);
            const auto lit = theory::ChordSlots(hit.type);
            ASSERT_EQ(roles.size(), lit.size());
            std::uint16_t searched = 0;
            for (std::size_t i = 0; i < roles.size(); ++i) {
                EXPECT_EQ(roles[i].slot, lit[i]);
                if (roles[i].searched)
                    searched |= static_cast<std::uint16_t>(1u << roles[i].pc);
            }
            EXPECT_EQ(searched, notes);
        }
    }
}

TEST(ChordMatch, TheScaleKeepsOnlyTheChordsItHolds)
{
    struct Case {
        std::uint16_t scale;
        std::vector<std::string> plain;
        std::vector<std::string> tension;
    };
    const std::uint16_t notes = Notes({ "C", "E", "A" });
    const Case cases[] = {
        // C major: no F＃, G＃, B♭ or C＃.
        { Notes({ "C", "D", "E", "F", "G", "A", "B" }),
            { "A　m", "A　madd9", "A　m7", "F　M7", "C　6" },
            { "A　m7(9)", "A　m7(11)", "F　M7(9)", "D　m7(9)", "C　6(9)" } },
        // A harmonic minor: its raised seventh keeps A mM7 and drops every chord with G.
        { Notes({ "A", "B", "C", "D", "E", "F", "G＃" }), { "A　m", "A　madd9", "A　mM7", "F　M7" },
            { "D　m7(9)" } },
    };
    const auto hits = theory::SearchChords(notes);
    for (const Case& c : cases) {
        std::vector<std::string> plain, tension;
        auto from = hits.begin();
        for (const theory::ChordHit& kept : theory::HitsInScale(hits, c.scale)) {
            // A subset in the search's own order.
            from = std::find_if(from, hits.end(), [&](const theory::ChordHit& hit) {
                return hit.root == kept.root && hit.type == kept.type;
            });
            ASSERT_NE(from, hits.end());
            (kept.list == HitList::Plain ? plain : tension)
                .push_back(theory::ChordItemText(kept.root, kept.type, SpellingMode::Mixed));
        }
        EXPECT_EQ(plain, c.plain);
        EXPECT_EQ(tension, c.tension);
    }
}
