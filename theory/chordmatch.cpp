#include "theory/chordmatch.h"

#include "theory/copytext.h"

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

std::vector<NoteRole> ChordRoles(PitchClass root, ChordType type, std::uint16_t notes)
{
    std::vector<NoteRole> roles;
    if (root < 0 || root > 11 || !ChordHolds(root, type, notes))
        return roles;
    for (int slot : ChordSlots(type)) {
        const PitchClass pc
            = Transposed(root, MatrixSlots[static_cast<std::size_t>(slot)].semitones);
        roles.push_back({ pc, slot, (notes >> pc & 1) != 0 });
    }
    return roles;
}

std::string ExplainHit(PitchClass root, ChordType type, std::uint16_t notes, SpellingMode mode,
    const std::array<std::string, kMatrixSlots>& intervalNames, std::optional<PitchClass> bass)
{
    std::string asked;
    std::string added;
    // Each note as the chord window spells it in that chord.
    const auto cells
        = MatrixNoteNames(root, mode, type, { std::nullopt, AlternativeNames(intervalNames) });
    if (bass && Transposed(*bass, 0) != root
        && (ChordPitchMask(root, type) >> Transposed(*bass, 0) & 1)
        && ChordHolds(root, type, notes))
        asked = ChordName(
                    root, type, mode, { std::nullopt, AlternativeNames(intervalNames) }, { bass })
            + ": ";
    const std::size_t named = asked.size();
    for (const NoteRole& role : ChordRoles(root, type, notes)) {
        const std::string_view note = Trimmed(cells[static_cast<std::size_t>(role.slot)]);
        const std::string& interval = intervalNames[static_cast<std::size_t>(role.slot)];
        if (role.searched)
            asked += (asked.size() == named ? "" : ", ") + std::string(note) + " = " + interval;
        else
            added += (added.empty() ? " + " : ", ") + std::string(note) + " (" + interval + ")";
    }
    return asked + added;
}

bool ChordInScale(PitchClass root, ChordType type, std::uint16_t scale)
{
    return ChordPitchMask(root, type) != 0 && (ChordPitchMask(root, type) & ~scale) == 0;
}

std::vector<ChordHit> HitsInScale(std::span<const ChordHit> hits, std::uint16_t scale)
{
    std::vector<ChordHit> kept;
    for (const ChordHit& hit : hits) {
        if (ChordInScale(hit.root, hit.type, scale))
            kept.push_back(hit);
    }
    return kept;
}

} // namespace theory
