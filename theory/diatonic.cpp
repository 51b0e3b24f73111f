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

    // Tension bits: ♭9, 9, ♯9, 11, ♯11, ♭13, 13.
    constexpr TensionMask kFlat9 = 1 << 0;
    constexpr TensionMask kNinth = 1 << 1;
    constexpr TensionMask kFlat13 = 1 << 5;
    constexpr TensionMask kThirteenth = 1 << 6;

    int RowScale(DiatonicRow row) { return row == DiatonicRow::Major ? kIonian : kAeolian; }

    // The notes of row's scale above its tonic, as intervals: a major second {2, 2}, ...
    std::array<Interval, 7> ScaleIntervals(DiatonicRow row)
    {
        std::array<Interval, 7> intervals {};
        const Scale& scale = Scales[static_cast<std::size_t>(RowScale(row))];
        for (std::size_t j = 0; j < intervals.size(); ++j)
            intervals[j] = { static_cast<int>(j) + 1, scale.steps[j] };
        return intervals;
    }

    // Sharps or flats in the signature of row's key on tonic; 1000 where one would be double.
    int SignatureSize(SpelledNote tonic, DiatonicRow row)
    {
        int count = 0;
        for (const Interval& interval : ScaleIntervals(row)) {
            const SpelledNote note = Above(tonic, interval);
            if (note.alteration < -1 || note.alteration > 1)
                return 1000;
            count += note.alteration != 0;
        }
        return count;
    }
} // namespace

// clang-format off
const std::array<DiatonicButton, kDiatonicButtonCount> DiatonicButtons { {
    // caption, row, step, chord type, primary, avoided and borrowed tensions
    { "I",        DiatonicRow::Major,  0, kMajor,      true  },
    { "IIm",      DiatonicRow::Major,  2, kMinor,      false, kThirteenth },
    { "IIIm",     DiatonicRow::Major,  4, kMinor,      false },
    { "IV",       DiatonicRow::Major,  5, kMajor,      true  },
    // The dominant that resolves takes ♭9 and ♭13 from the harmonic minor.
    { "V",        DiatonicRow::Major,  7, kMajor,      true,  0, kFlat9 | kFlat13 },
    { "VIm",      DiatonicRow::Major,  9, kMinor,      false },
    // Locrian ♮2, from the melodic minor: the 9 instead of the ♭9 a semitone above the root.
    { "VIIm(♭5)", DiatonicRow::Major, 11, kMinorFlat5, false, 0, kNinth },
    // Natural minor: the chords on the lowered third, sixth and seventh are major.
    { "Im",       DiatonicRow::Minor,  0, kMinor,      true  },
    { "IIm(♭5)",  DiatonicRow::Minor,  2, kMinorFlat5, false },
    { "♭III",     DiatonicRow::Minor,  3, kMajor,      false },
    { "IVm",      DiatonicRow::Minor,  5, kMinor,      true  },
    // Played as Aeolian rather than Phrygian, the minor dominant takes the 9.
    { "Vm",       DiatonicRow::Minor,  7, kMinor,      true,  0, kNinth },
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
    TensionFits fits = FitTensions(
        DiatonicRoot(tonic, button.step), button.chordType, DiatonicScaleMask(tonic, b));
    for (std::size_t i = 0; i < fits.size(); ++i) {
        if (fits[i] && (button.avoided >> i & 1))
            fits[i] = TensionFit::Avoid;
        if (fits[i] && (button.borrowed >> i & 1))
            fits[i] = TensionFit::Borrowed;
    }
    return fits;
}

std::uint16_t DiatonicScaleMask(PitchClass tonic, int b)
{
    if (b < 0 || b >= kDiatonicButtonCount)
        return 0;
    return ScalePitchMask(
        Transposed(tonic, 0), RowScale(DiatonicButtons[static_cast<std::size_t>(b)].row));
}

SpelledNote DiatonicKeyName(PitchClass tonic, DiatonicRow row)
{
    const SpelledNote listed = KeyRoot(Transposed(tonic, 0), {});
    if (row == DiatonicRow::Major || listed.alteration == 0)
        return listed;
    // A black key's other name is the neighbouring letter altered the other way: A♭ and G＃.
    const SpelledNote other { listed.letter + listed.alteration, -listed.alteration };
    return SignatureSize(other, row) < SignatureSize(listed, row) ? other : listed;
}

SpelledNote DiatonicRootName(PitchClass tonic, int b)
{
    if (b < 0 || b >= kDiatonicButtonCount)
        return { -1, 0 };
    const DiatonicButton& button = DiatonicButtons[static_cast<std::size_t>(b)];
    return Above(DiatonicKeyName(tonic, button.row), { b % 7 + 1, button.step });
}

} // namespace theory
