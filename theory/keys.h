// The 15 keys of the key-signature chart and their neighbours on the circle of fifths.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace theory {

// Key index k: 7 is C major; k < 7 has 7 - k sharps, k > 7 has k - 7 flats.
using KeyIndex = int;
inline constexpr int kKeyCount = 15;
inline constexpr KeyIndex kKeyOfC = 7;

struct KeyName {
    std::string_view major; // two characters: "C　", "F＃", "B♭"
    std::string_view minor; // three characters, the relative minor: "A　m", "D＃m"
    int chromatic; // its place among the 15 tonics, falling from C♭ 0, B 1, B♭ 2 to C＃ 13, C 14
};

extern const std::array<KeyName, kKeyCount> KeyNames;

// The key at place 0..14 among the tonics (the inverse of KeyNames[k].chromatic); -1 outside.
KeyIndex KeyFromChromatic(int position);

// Sharps (positive) or flats (negative) in the signature of key k: 7 - k.
int SignatureAccidentals(KeyIndex k);

// One fifth up: one sharp more or one flat fewer. C＃ major, whose dominant would need eight
// sharps, takes its enharmonic A♭ major instead.
KeyIndex DominantKey(KeyIndex k);

// One fifth down; C♭ major's would need eight flats, so it takes E major instead.
KeyIndex SubdominantKey(KeyIndex k);

// Where the signature's sharps or flats of key k stand on the treble clef, in the order they
// are written: sharps F C G D A E B, flats B E A D G C F, each as a staff step counted from
// the bottom line (0) upward through spaces and lines, so 8 is the top line. G major's one
// sharp is {8}, on the top line; F major's flat is {4}, on the middle line. Empty for C major
// and outside 0..14.
std::span<const int> SignatureSteps(KeyIndex k);

} // namespace theory
