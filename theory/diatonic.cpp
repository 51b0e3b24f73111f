#include "theory/diatonic.h"

namespace theory {

namespace {
    constexpr int kMajor = 1;
    constexpr int kMinor = 20;
    constexpr int kMinorFlat5 = 22;
} // namespace

// clang-format off
const std::array<DiatonicButton, kDiatonicButtonCount> DiatonicButtons { {
    // caption, row, step, chord type, primary
    { "I",        DiatonicRow::Major,  0, kMajor,      true  },
    { "IIm",      DiatonicRow::Major,  2, kMinor,      false },
    { "IIIm",     DiatonicRow::Major,  4, kMinor,      false },
    { "IV",       DiatonicRow::Major,  5, kMajor,      true  },
    { "V",        DiatonicRow::Major,  7, kMajor,      true  },
    { "VIm",      DiatonicRow::Major,  9, kMinor,      false },
    { "VIIm(♭5)", DiatonicRow::Major, 11, kMinorFlat5, false },
    // Natural minor: the chords on the lowered third, sixth and seventh are major.
    { "Im",       DiatonicRow::Minor,  0, kMinor,      true  },
    { "IIm(♭5)",  DiatonicRow::Minor,  2, kMinorFlat5, false },
    { "♭III",     DiatonicRow::Minor,  3, kMajor,      false },
    { "IVm",      DiatonicRow::Minor,  5, kMinor,      true  },
    { "Vm",       DiatonicRow::Minor,  7, kMinor,      true  },
    { "♭VI",      DiatonicRow::Minor,  8, kMajor,      false },
    { "♭VII",     DiatonicRow::Minor, 10, kMajor,      false },
} };
// clang-format on

const std::array<std::string_view, kKeyListItems> KeyListDesignItems {
    "B",
    "B♭",
    "A",
    "A♭",
    "G",
    "G♭",
    "F",
    "E",
    "E♭",
    "D",
    "D♭",
    "C",
};

std::string_view KeyListItem(SpellingMode mode, int k)
{
    if (k < 0 || k >= kKeyListItems)
        return {};
    return Trimmed(NoteCell(mode, 11 - k));
}

int DiatonicRootValue(int keyItem, int step) { return ((keyItem - step) % 12 + 12) % 12; }

} // namespace theory
