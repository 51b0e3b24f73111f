// The diatonic chords of a key: the chord window's key list and its 14 chord buttons.
#pragma once

#include "theory/spelling.h"

#include <array>
#include <string_view>

namespace theory {

enum class DiatonicRow { Major, Minor };

struct DiatonicButton {
    std::string_view caption;
    DiatonicRow row;
    int step; // the chord root's distance in semitones above the tonic
    int chordType; // index into the chord catalogue
    bool primary; // I, IV, V and Im, IVm, Vm: captioned in bold
};

inline constexpr int kDiatonicButtonCount = 14;
extern const std::array<DiatonicButton, kDiatonicButtonCount> DiatonicButtons;

// Item k of the key list stands for the tonic of pitch class 11 - k, in the root scroll bar's
// direction: item 0 is B, item 11 is C.
inline constexpr int kKeyListItems = 12;

// The list's texts before any spelling table is applied.
extern const std::array<std::string_view, kKeyListItems> KeyListDesignItems;

// Item k's text in a spelling table: the tonic's note name without padding ("F＃", "G♭");
// "" outside a spelling table or outside 0..11.
std::string_view KeyListItem(SpellingMode mode, int k);

// The root scroll bar value that puts the chord root `step` semitones above the tonic of key
// item k: (k - step) mod 12, as the root is 11 - value.
int DiatonicRootValue(int keyItem, int step);

} // namespace theory
