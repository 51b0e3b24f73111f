#include "theory/diatonic.h"

namespace theory {

namespace {
    constexpr ChordType kMajor = FindChordType("major");
    constexpr ChordType kMinor = FindChordType("m");
    constexpr ChordType kMinorFlat5 = FindChordType("m(♭5)");
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

} // namespace theory
