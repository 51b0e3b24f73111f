#include "theory/keys.h"

namespace theory {

// clang-format off
const std::array<KeyName, kKeyCount> KeyNames { {
    // major, relative minor, place among the tonics
    { "C＃", "A＃m", 13 },  //  0: 7 sharps
    { "F＃", "D＃m",  7 },
    { "B　", "G＃m",  1 },
    { "E　", "C＃m",  9 },
    { "A　", "F＃m",  3 },
    { "D　", "B　m", 11 },
    { "G　", "E　m",  5 },
    { "C　", "A　m", 14 },  //  7: no accidentals
    { "F　", "D　m",  8 },
    { "B♭", "G　m",  2 },
    { "E♭", "C　m", 10 },
    { "A♭", "F　m",  4 },
    { "D♭", "B♭m", 12 },
    { "G♭", "E♭m",  6 },
    { "C♭", "A♭m",  0 },  // 14: 7 flats
} };
// clang-format on

namespace {
    constexpr int kSharpestKey = 0;
    constexpr int kFlattestKey = 14;
    constexpr int kAFlatMajor = 11;
    constexpr int kEMajor = 3;

    constexpr std::array<int, 7> kSharpSteps { 8, 5, 9, 6, 3, 7, 4 };
    constexpr std::array<int, 7> kFlatSteps { 4, 7, 3, 6, 2, 5, 1 };
} // namespace

KeyIndex KeyFromChromatic(int position)
{
    for (int k = 0; k < kKeyCount; ++k) {
        if (KeyNames[static_cast<std::size_t>(k)].chromatic == position)
            return k;
    }
    return -1;
}

int SignatureAccidentals(KeyIndex k) { return kKeyOfC - k; }

KeyIndex DominantKey(KeyIndex k) { return k == kSharpestKey ? kAFlatMajor : k - 1; }

KeyIndex SubdominantKey(KeyIndex k) { return k == kFlattestKey ? kEMajor : k + 1; }

std::span<const int> SignatureSteps(KeyIndex k)
{
    if (k < 0 || k >= kKeyCount)
        return {};
    const int count = SignatureAccidentals(k);
    const std::array<int, 7>& steps = count > 0 ? kSharpSteps : kFlatSteps;
    return { steps.data(), static_cast<std::size_t>(count > 0 ? count : -count) };
}

} // namespace theory
