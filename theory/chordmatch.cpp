#include "theory/chordmatch.h"

namespace theory {

ChordOnRoot SearchStep(int i)
{
    constexpr int kTypesPerRoot = kChordTypeCount - 1;
    return { 11 - i / kTypesPerRoot, 1 + i % kTypesPerRoot };
}

bool ChordHolds(PitchClass root, ChordType type, std::uint16_t notes)
{
    return (notes & ~ChordPitchMask(root, type)) == 0;
}

std::vector<ChordHit> SearchChords(std::uint16_t notes)
{
    std::vector<ChordHit> hits;
    if ((notes & 0xFFF) == 0)
        return hits;
    for (int i = 0; i < kSearchSteps; ++i) {
        const ChordOnRoot chord = SearchStep(i);
        if (ChordHolds(chord.root, chord.type, notes))
            hits.push_back({ chord.root, chord.type,
                LightsTension(chord.type) ? HitList::Tension : HitList::Plain });
    }
    return hits;
}

} // namespace theory
