// The 15 keys of the key-signature chart and their neighbours on the circle of fifths.
#pragma once

#include <array>
#include <string_view>

namespace theory {

// Key index k: 7 is C major; k < 7 has 7 - k sharps, k > 7 has k - 7 flats.
inline constexpr int kKeyCount = 15;
inline constexpr int kKeyOfC = 7;

struct KeyName {
    std::string_view major; // two characters: "C　", "F＃", "B♭"
    std::string_view minor; // three characters, the relative minor: "A　m", "D＃m"
    int chromatic; // the position on the tonic scroll bar, C♭ at 0 up to C at 14
};

extern const std::array<KeyName, kKeyCount> KeyNames;

// The key at a chromatic position 0..14 (the inverse of KeyNames[k].chromatic); -1 outside.
int KeyFromChromatic(int position);

// Sharps (positive) or flats (negative) in the signature of key k: 7 - k.
int SignatureAccidentals(int k);

// One fifth up: one sharp more or one flat fewer. C＃ major, whose dominant would need eight
// sharps, takes its enharmonic A♭ major instead.
int DominantKey(int k);

// One fifth down; C♭ major's would need eight flats, so it takes E major instead.
int SubdominantKey(int k);

} // namespace theory
