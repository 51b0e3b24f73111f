#include "theory/heldnotes.h"

#include <algorithm>
#include <bit>

namespace theory {

namespace {

    std::vector<int> Sorted(std::vector<int> notes)
    {
        std::sort(notes.begin(), notes.end());
        return notes;
    }

    // How a chord stands on its bass, s semitones above the root: the root first, then the third
    // (first inversion), the fifth (second inversion), the seventh, anything else.
    int BassRank(int s)
    {
        switch (s) {
        case 0:
            return 0;
        case 3:
        case 4:
            return 1;
        case 6:
        case 7:
        case 8:
            return 2;
        case 9: // the diminished seventh
        case 10:
        case 11:
            return 3;
        default:
            return 4;
        }
    }

} // namespace

std::vector<PitchClass> SearchBoxNotes(const std::vector<int>& held)
{
    std::vector<PitchClass> boxes;
    for (int note : Sorted(held)) {
        const PitchClass pc = Transposed(note, 0);
        if (std::find(boxes.begin(), boxes.end(), pc) == boxes.end()
            && static_cast<int>(boxes.size()) < kSearchBoxes)
            boxes.push_back(pc);
    }
    return boxes;
}

std::optional<HeldChord> ReadHeldChord(const std::vector<int>& held)
{
    std::uint16_t mask = 0;
    for (int note : held)
        mask |= static_cast<std::uint16_t>(1u << Transposed(note, 0));
    if (std::popcount(mask) < 2)
        return std::nullopt;
    const PitchClass bass = Transposed(*std::min_element(held.begin(), held.end()), 0);
    for (const bool noFifth : { false, true }) {
        if (noFifth && std::popcount(mask) < 3)
            break;
        std::optional<HeldChord> best;
        int bestRank = 0;
        // Roots nearest above the bass first, so that the first of equal rank wins.
        for (int up = 0; up < 12; ++up) {
            const PitchClass root = Transposed(bass, up);
            for (ChordType t = 1; t < kChordTypeCount; ++t) {
                const std::uint16_t chord = ChordPitchMask(root, t);
                const std::uint16_t fifth = static_cast<std::uint16_t>(1u << Transposed(root, 7));
                if (noFifth ? !(chord & fifth) || (chord & ~fifth) != mask : chord != mask)
                    continue;
                const int rank = BassRank(Transposed(bass, -root));
                if (!best || rank < bestRank) {
                    best = HeldChord { root, t, bass, noFifth };
                    bestRank = rank;
                }
                break;
            }
        }
        if (best)
            return best;
    }
    return std::nullopt;
}

} // namespace theory
