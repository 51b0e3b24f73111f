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
    if (held.empty())
        return std::nullopt;
    std::uint16_t mask = 0;
    for (int note : held)
        mask |= static_cast<std::uint16_t>(1u << Transposed(note, 0));
    if (std::popcount(mask) < 2)
        return std::nullopt;
    const PitchClass lowest = Transposed(*std::min_element(held.begin(), held.end()), 0);
    std::optional<HeldChord> first;
    for (int r = 0; r < 12; ++r) {
        const PitchClass root = Transposed(lowest, r);
        for (ChordType t = 1; t < kChordTypeCount; ++t) {
            if (ChordPitchMask(root, t) != mask)
                continue;
            if (root == lowest)
                return HeldChord { root, t };
            if (!first || root < first->root)
                first = HeldChord { root, t };
            break;
        }
    }
    return first;
}

} // namespace theory
