#include "theory/chords.h"

#include "theory/text.h"

namespace theory {

// clang-format off
const std::array<MatrixSlot, kMatrixSlots> MatrixSlots { {
    // semitones, number, default name, alternative name and its number, group, source
    // Structure row
    {  0,  1, RURIZED_TEXT("Interval", "完1"),  RURIZED_TEXT("Interval", "根音"),  1, SlotGroup::Degree,  -1 },
    {  1,  2, RURIZED_TEXT("Interval", "短2"),  RURIZED_TEXT("Interval", "増1"),   1, SlotGroup::Altered, -1 },
    {  2,  2, RURIZED_TEXT("Interval", "長2"),  RURIZED_TEXT("Interval", "減3"),   3, SlotGroup::Degree,  -1 },
    {  3,  3, RURIZED_TEXT("Interval", "短3"),  RURIZED_TEXT("Interval", "増2"),   2, SlotGroup::Altered, -1 },
    {  4,  3, RURIZED_TEXT("Interval", "長3"),  RURIZED_TEXT("Interval", "減4"),   4, SlotGroup::Degree,  -1 },
    {  5,  4, RURIZED_TEXT("Interval", "完4"),  RURIZED_TEXT("Interval", "増3"),   3, SlotGroup::Degree,  -1 },
    {  6,  5, RURIZED_TEXT("Interval", "減5"),  RURIZED_TEXT("Interval", "増4"),   4, SlotGroup::Altered, -1 },
    {  7,  5, RURIZED_TEXT("Interval", "完5"),  RURIZED_TEXT("Interval", "減6"),   6, SlotGroup::Degree,  -1 },
    {  8,  5, RURIZED_TEXT("Interval", "増5"),  RURIZED_TEXT("Interval", "短6"),   6, SlotGroup::Altered, -1 },
    {  9,  6, RURIZED_TEXT("Interval", "長6"),  RURIZED_TEXT("Interval", "減7"),   7, SlotGroup::Degree,  -1 },
    { 10,  7, RURIZED_TEXT("Interval", "短7"),  RURIZED_TEXT("Interval", "増6"),   6, SlotGroup::Altered, -1 },
    { 11,  7, RURIZED_TEXT("Interval", "長7"),  RURIZED_TEXT("Interval", "減8"),   8, SlotGroup::Degree,  -1 },
    // Tension row
    { 13,  9, RURIZED_TEXT("Interval", "短9"),  RURIZED_TEXT("Interval", "増8"),   8, SlotGroup::Altered,  1 },
    { 14,  9, RURIZED_TEXT("Interval", "長9"),  RURIZED_TEXT("Interval", "減10"), 10, SlotGroup::Degree,   2 },
    { 15,  9, RURIZED_TEXT("Interval", "増9"),  RURIZED_TEXT("Interval", "短10"), 10, SlotGroup::Altered,  3 },
    { 17, 11, RURIZED_TEXT("Interval", "完11"), RURIZED_TEXT("Interval", "増10"), 10, SlotGroup::Degree,   5 },
    { 18, 11, RURIZED_TEXT("Interval", "増11"), RURIZED_TEXT("Interval", "減12"), 12, SlotGroup::Altered,  6 },
    { 20, 13, RURIZED_TEXT("Interval", "短13"), RURIZED_TEXT("Interval", "増12"), 12, SlotGroup::Altered,  8 },
    { 21, 13, RURIZED_TEXT("Interval", "長13"), RURIZED_TEXT("Interval", "減14"), 14, SlotGroup::Degree,   9 },
} };
// clang-format on

namespace {

    constexpr std::uint32_t kTensionSlotMask
        = ((1u << kMatrixSlots) - 1) & ~((1u << kFirstTensionSlot) - 1);

    bool IsChordType(ChordType t) { return t >= 0 && t < kChordTypeCount; }

    const ChordTypeRow* Row(ChordType t)
    {
        return IsChordType(t) ? &ChordTypes[static_cast<std::size_t>(t)] : nullptr;
    }

    // The interval slot s stands for in type t: the name the user chose for it; by default the
    // default name's, except that the four-note diminished chord's 9-semitone slot is its
    // diminished seventh.
    Interval SlotInterval(ChordType t, int s, std::uint32_t alternatives)
    {
        constexpr ChordType kDiminished = FindChordType("dim");
        const MatrixSlot& slot = MatrixSlots[static_cast<std::size_t>(s)];
        if (alternatives >> s & 1)
            return { slot.alternativeNumber, slot.semitones };
        if (t == kDiminished && slot.semitones == 9)
            return { 7, 9 };
        return { slot.number, slot.semitones };
    }

} // namespace

Interval ChordSlotInterval(ChordType t, int s) { return SlotInterval(t, s, 0); }

std::string_view ChordListText(ChordType t)
{
    const ChordTypeRow* row = Row(t);
    return row ? row->listText : std::string_view {};
}

std::span<const int> ChordSlots(ChordType t)
{
    const ChordTypeRow* row = Row(t);
    if (!row)
        return {};
    return { row->litSlots.data(), static_cast<std::size_t>(row->count) };
}

std::uint32_t LitSlotMask(ChordType t)
{
    std::uint32_t mask = 0;
    for (int slot : ChordSlots(t))
        mask |= 1u << slot;
    return mask;
}

bool LightsTension(ChordType t) { return (LitSlotMask(t) & kTensionSlotMask) != 0; }

std::uint16_t ChordIntervalMask(ChordType t)
{
    std::uint16_t mask = 0;
    for (int slot : ChordSlots(t))
        mask |= static_cast<std::uint16_t>(
            1u << (MatrixSlots[static_cast<std::size_t>(slot)].semitones % 12));
    return mask;
}

std::uint16_t ChordPitchMask(PitchClass root, ChordType t)
{
    // Rotating the interval mask by the root: bit s moves to bit (root + s) mod 12.
    const unsigned wide = static_cast<unsigned>(ChordIntervalMask(t)) << Transposed(root, 0);
    return static_cast<std::uint16_t>((wide | (wide >> 12)) & 0xFFF);
}

std::string ChordItemText(PitchClass root, ChordType t, SpellingMode mode)
{
    std::string item(MatrixNoteNames(Transposed(root, 0), mode, t)[0]);
    item += ChordListText(t);
    return item;
}

std::string ChordSymbol(std::string_view rootName, ChordType t)
{
    constexpr ChordType kMajor = FindChordType("major");
    if (t == kNoChord || !IsChordType(t))
        return std::string(ChordListText(t));
    std::string symbol(rootName);
    if (t != kMajor)
        symbol += ChordListText(t);
    return symbol;
}

std::array<std::string_view, kMatrixSlots> MatrixNoteNames(
    PitchClass root, SpellingMode mode, ChordType t, const ByKeyNames& names)
{
    std::array<std::string_view, kMatrixSlots> cells {};
    if (root < 0 || root > 11)
        return cells;
    if (mode == SpellingMode::ByKey) {
        std::array<Interval, kMaxChordSlots> lit {};
        std::size_t count = 0;
        for (int s : ChordSlots(t))
            lit[count++] = SlotInterval(t, s, names.alternatives);
        const bool named = names.root && NotePitchClass(Trimmed(SpelledCell(*names.root))) == root;
        const SpelledNote key = named ? *names.root : KeyRoot(root, std::span(lit).first(count));
        for (std::size_t s = 0; s < cells.size(); ++s)
            cells[s]
                = SpelledCell(Above(key, SlotInterval(t, static_cast<int>(s), names.alternatives)));
        return cells;
    }
    for (std::size_t s = 0; s < cells.size(); ++s) {
        const MatrixSlot& slot = MatrixSlots[s];
        cells[s] = slot.source < 0 ? NoteCell(mode, root + slot.semitones)
                                   : cells[static_cast<std::size_t>(slot.source)];
    }
    return cells;
}

} // namespace theory
