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

} // namespace

// Against the rule as a musician states it, from the catalogue's slots: a chord matches when
// every searched pitch class is one of its notes. Each searched pitch class of a hit has one
// role, at a slot the chord lights, lowest slot first.
TEST(ChordMatch, AgreesWithTheRuleOverRandomNoteSets)
{
    // Tried, and listed, as the chord window steps: from root B down to C, every type on each.
    EXPECT_EQ(theory::SearchStep(0).root, 11);
    EXPECT_EQ(theory::SearchStep(theory::kSearchSteps - 1).root, 0);
    EXPECT_EQ(theory::SearchStep(theory::kSearchSteps - 1).type, theory::kChordTypeCount - 1);
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const auto notes = static_cast<std::uint16_t>(random() & 0xFFF & random() & random());
        std::vector<std::pair<int, int>> expected;
        for (int i = 0; i < theory::kSearchSteps; ++i) {
            const theory::ChordOnRoot chord = theory::SearchStep(i);
            const std::uint16_t sounding = theory::ChordPitchMask(chord.root, chord.type);
            if (notes != 0 && (notes & sounding) == notes)
                expected.emplace_back(chord.root, chord.type);
        }
        std::vector<std::pair<int, int>> found;
        for (const theory::ChordHit& hit : theory::SearchChords(notes)) {
            found.emplace_back(hit.root, hit.type);
            EXPECT_EQ(hit.list == HitList::Tension, theory::LightsTension(hit.type));
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
        EXPECT_EQ(found, expected) << "notes " << notes;
    }
}

TEST(ChordMatch, EachSearchedNoteIsNamedByItsSlotInTheHit)
{
    std::array<std::string, theory::kMatrixSlots> names;
    for (std::size_t s = 0; s < names.size(); ++s)
        names[s] = theory::MatrixSlots[s].defaultName;
    const auto why = [&](int root, const char* type, std::uint16_t notes) {
        return theory::ExplainHit(
            root, theory::FindChordType(type), notes, SpellingMode::Mixed, names);
    };
    EXPECT_EQ(why(9, "m7", Notes({ "C", "E", "A" })), "A = 完1, C = 短3, E = 完5 + G (短7)");
    EXPECT_EQ(why(0, "add9", Notes({ "D" })), "D = 長2 + C (完1), E (長3), G (完5)"); // a second
    EXPECT_EQ(why(0, "major", Notes({ "D" })), ""); // not a hit
    // Held keys over E: the hit is named over its bass.
    EXPECT_EQ(theory::ExplainHit(0, 1, Notes({ "E", "G", "C" }), SpellingMode::Mixed, names, 4),
        "C/E: C = 完1, E = 長3, G = 完5");
}
