#include "theory/keys.h"

#include <gtest/gtest.h>

#include <set>

using theory::KeyNames;

namespace {

// The tonic of a key name read by letter and accidental, so C♭ is B's pitch class.
int TonicPitchClass(std::string_view name)
{
    const std::string_view letters = "C D EF G A B";
    int pc = static_cast<int>(letters.find(name.front()));
    if (name.substr(1).starts_with("＃"))
        ++pc;
    if (name.substr(1).starts_with("♭"))
        --pc;
    return (pc + 12) % 12;
}

} // namespace

// Each sharp moves the tonic a fifth up, the relative minor lies a minor third below, the
// dominant is a fifth up and the subdominant a fifth down; the 30 names are distinct.
TEST(Keys, NamesAndNeighboursFollowTheCircleOfFifths)
{
    std::set<std::string_view> names;
    for (int k = 0; k < theory::kKeyCount; ++k) {
        const theory::KeyName& key = KeyNames[static_cast<std::size_t>(k)];
        const int tonic = ((theory::SignatureAccidentals(k) * 7) % 12 + 12) % 12;
        EXPECT_EQ(TonicPitchClass(key.major), tonic) << k;
        EXPECT_EQ(TonicPitchClass(key.minor), (tonic + 9) % 12) << k;
        EXPECT_TRUE(key.minor.ends_with("m"));
        names.insert(key.major);
        names.insert(key.minor);
        const int dominant = theory::DominantKey(k), subdominant = theory::SubdominantKey(k);
        EXPECT_EQ(
            TonicPitchClass(KeyNames[static_cast<std::size_t>(dominant)].major), (tonic + 7) % 12);
        EXPECT_EQ(TonicPitchClass(KeyNames[static_cast<std::size_t>(subdominant)].major),
            (tonic + 5) % 12);
    }
    EXPECT_EQ(names.size(), 30u);
    // C＃'s dominant is A♭, not eight sharps; C♭'s subdominant E, not eight flats.
    EXPECT_EQ(theory::DominantKey(0), 11);
    EXPECT_EQ(theory::SubdominantKey(14), 3);
}
