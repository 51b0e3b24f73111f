#include "theory/diatonic.h"

#include "theory/scales.h"

namespace theory {

namespace {
    constexpr ChordType kMajor = FindChordType("major");
    constexpr ChordType kMinor = FindChordType("m");
    constexpr ChordType kMinorFlat5 = FindChordType("m(♭5)");
    // The scale list's "Ionian(Major)" and "Aeolian(Natural Minor)".
    constexpr int kIonian = 0;
    constexpr int kAeolian = 5;
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

TensionFits FitTensions(PitchClass root, ChordType type, std::uint16_t scale)
{
    TensionFits fits {};
    const std::uint16_t chord = ChordPitchMask(root, type);
    if (chord == 0)
        return fits;
    for (int i = 0; i < kTensionSlots; ++i) {
        const PitchClass pc = Transposed(
            root, MatrixSlots[static_cast<std::size_t>(kFirstTensionSlot + i)].semitones);
        if (chord >> pc & 1)
            continue;
        const bool inScale = (scale >> pc & 1) != 0;
        const bool aboveChordTone = (chord >> Transposed(pc, -1) & 1) != 0;
        fits[static_cast<std::size_t>(i)] = !inScale ? TensionFit::OutsideKey
            : aboveChordTone                         ? TensionFit::Avoid
                                                     : TensionFit::Available;
    }
    return fits;
}

TensionFits DiatonicTensionFits(PitchClass tonic, int b)
{
    if (b < 0 || b >= kDiatonicButtonCount)
        return {};
    const DiatonicButton& button = DiatonicButtons[static_cast<std::size_t>(b)];
    const int scale = button.row == DiatonicRow::Major ? kIonian : kAeolian;
    return FitTensions(DiatonicRoot(tonic, button.step), button.chordType,
        ScalePitchMask(Transposed(tonic, 0), scale));
}

} // namespace theory
