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

TEST(Keys, NamesFollowTheCircleOfFifths)
{
    for (int k = 0; k < theory::kKeyCount; ++k) {
        const theory::KeyName& key = KeyNames[static_cast<std::size_t>(k)];
        const int sharps = theory::SignatureAccidentals(k);
        // Each sharp moves the tonic a fifth up; the relative minor lies a minor third below.
        const int tonic = ((sharps * 7) % 12 + 12) % 12;
        EXPECT_EQ(TonicPitchClass(key.major), tonic) << k;
        EXPECT_EQ(TonicPitchClass(key.minor), (tonic + 9) % 12) << k;
        EXPECT_TRUE(key.minor.ends_with("m"));
    }
}

TEST(Keys, SpelledNames)
{
    EXPECT_EQ(KeyNames[0].major, "C＃");
    EXPECT_EQ(KeyNames[0].minor, "A＃m");
    EXPECT_EQ(KeyNames[5].minor, "B　m");
    EXPECT_EQ(KeyNames[7].major, "C　");
    EXPECT_EQ(KeyNames[7].minor, "A　m");
    EXPECT_EQ(KeyNames[14].major, "C♭");
    EXPECT_EQ(KeyNames[14].minor, "A♭m");
    std::set<std::string_view> names;
    for (const theory::KeyName& key : KeyNames) {
        names.insert(key.major);
        names.insert(key.minor);
    }
    EXPECT_EQ(names.size(), 30u);
}

TEST(Keys, ChromaticPositions)
{
    const int fromPosition[] = { 14, 2, 9, 4, 11, 6, 13, 1, 8, 3, 10, 5, 12, 0, 7 };
    for (int position = 0; position < theory::kKeyCount; ++position) {
        const int k = theory::KeyFromChromatic(position);
        EXPECT_EQ(k, fromPosition[position]);
        EXPECT_EQ(KeyNames[static_cast<std::size_t>(k)].chromatic, position);
    }
    EXPECT_EQ(theory::KeyFromChromatic(15), -1);
    EXPECT_EQ(theory::KeyFromChromatic(-1), -1);
}

TEST(Keys, DominantAndSubdominant)
{
    struct Case {
        int k;
        int dominant;
        int subdominant;
    };
    const Case cases[] = {
        { 7, 6, 8 }, // C: G and F
        { 0, 11, 1 }, // C#: Ab (not eight sharps) and F#
        { 1, 0, 2 }, // F#: C#
        { 14, 13, 3 }, // Cb: Gb and E (not eight flats)
    };
    for (const Case& c : cases) {
        EXPECT_EQ(theory::DominantKey(c.k), c.dominant);
        EXPECT_EQ(theory::SubdominantKey(c.k), c.subdominant);
    }
    for (int k = 0; k < theory::kKeyCount; ++k) {
        const int tonic = TonicPitchClass(KeyNames[static_cast<std::size_t>(k)].major);
        EXPECT_EQ(TonicPitchClass(KeyNames[static_cast<std::size_t>(theory::DominantKey(k))].major),
            (tonic + 7) % 12);
        EXPECT_EQ(
            TonicPitchClass(KeyNames[static_cast<std::size_t>(theory::SubdominantKey(k))].major),
            (tonic + 5) % 12);
    }
}
