#include "theory/chords.h"

namespace theory {

// clang-format off
const std::array<MatrixSlot, kMatrixSlots> MatrixSlots { {
    // semitones, default name, alternative name, group, source
    // Structure row
    {  0, "完1",  "根音", SlotGroup::Degree,  -1 },
    {  1, "短2",  "増1",  SlotGroup::Altered, -1 },
    {  2, "長2",  "減3",  SlotGroup::Degree,  -1 },
    {  3, "短3",  "増2",  SlotGroup::Altered, -1 },
    {  4, "長3",  "減4",  SlotGroup::Degree,  -1 },
    {  5, "完4",  "増3",  SlotGroup::Degree,  -1 },
    {  6, "減5",  "増4",  SlotGroup::Altered, -1 },
    {  7, "完5",  "減6",  SlotGroup::Degree,  -1 },
    {  8, "増5",  "短6",  SlotGroup::Altered, -1 },
    {  9, "長6",  "減7",  SlotGroup::Degree,  -1 },
    { 10, "短7",  "増6",  SlotGroup::Altered, -1 },
    { 11, "長7",  "減8",  SlotGroup::Degree,  -1 },
    // Tension row
    { 13, "短9",  "増8",  SlotGroup::Altered,  1 },
    { 14, "長9",  "減10", SlotGroup::Degree,   2 },
    { 15, "増9",  "短10", SlotGroup::Altered,  3 },
    { 17, "完11", "増10", SlotGroup::Degree,   5 },
    { 18, "増11", "減12", SlotGroup::Altered,  6 },
    { 20, "短13", "増12", SlotGroup::Altered,  8 },
    { 21, "長13", "減14", SlotGroup::Degree,   9 },
} };
// clang-format on

namespace {

    struct ChordType {
        std::string_view listText;
        std::string_view structure;
    };

    // clang-format off
constexpr std::array<ChordType, kChordTypeCount> kChordTypes { {
    { "N.C.",    "" },
    // Major triads and sixths
    { "major",   "000407" },
    { "add9",    "00020407" },   // the ninth sits in the structure row, as a second
    { "sus4",    "000507" },
    { "dim",     "00030609" },   // the four-note diminished chord
    { "aug",     "000408" },
    { "M7",      "00040711" },
    { "M7(9)",   "0004071113" },
    { "6",       "00040709" },
    { "6(9)",    "0004070913" },
    // Dominant sevenths
    { "7",       "00040710" },
    { "7sus4",   "00050710" },
    { "7(9)",    "0004071013" },
    { "7(♭5)",   "00040610" },
    { "7(♯5)",   "00040810" },
    { "7(♭9)",   "0004071012" },
    { "7(♯9)",   "0004071014" },
    { "7(13)",   "0004071018" },
    { "7(♭13)",  "0004071017" },
    { "7(♯11)",  "0004071016" },
    // Minor chords
    { "m",       "000307" },
    { "madd9",   "00020307" },
    { "m(♭5)",   "000306" },     // the diminished triad
    { "m6",      "00030709" },
    { "m7",      "00030710" },
    { "m7(9)",   "0003071013" },
    { "m7(♭5)",  "00030610" },
    { "m7(11)",  "0003071015" },
    { "mM7",     "00030711" },
} };
    // clang-format on

    constexpr int kMaxChordSlots = 5;

    struct ParsedChord {
        std::array<int, kMaxChordSlots> slots {};
        int count = 0;
        std::uint32_t mask = 0;
    };

    // Reads a structure code two digits at a time; done once, at compile time.
    constexpr std::array<ParsedChord, kChordTypeCount> ParseCatalogue()
    {
        std::array<ParsedChord, kChordTypeCount> parsed {};
        for (std::size_t t = 0; t < kChordTypes.size(); ++t) {
            const std::string_view code = kChordTypes[t].structure;
            for (std::size_t j = 0; j + 1 < code.size(); j += 2) {
                const int slot = (code[j] - '0') * 10 + (code[j + 1] - '0');
                parsed[t].slots[static_cast<std::size_t>(parsed[t].count++)] = slot;
                parsed[t].mask |= 1u << slot;
            }
        }
        return parsed;
    }

    constexpr std::array<ParsedChord, kChordTypeCount> kParsed = ParseCatalogue();

    constexpr std::uint32_t kTensionSlotMask
        = ((1u << kMatrixSlots) - 1) & ~((1u << kFirstTensionSlot) - 1);

    bool IsChordType(int t) { return t >= 0 && t < kChordTypeCount; }

} // namespace

std::string_view ChordListText(int t)
{
    return IsChordType(t) ? kChordTypes[static_cast<std::size_t>(t)].listText : std::string_view {};
}

std::string_view ChordStructure(int t)
{
    return IsChordType(t) ? kChordTypes[static_cast<std::size_t>(t)].structure
                          : std::string_view {};
}

std::span<const int> ChordSlots(int t)
{
    if (!IsChordType(t))
        return {};
    const ParsedChord& chord = kParsed[static_cast<std::size_t>(t)];
    return { chord.slots.data(), static_cast<std::size_t>(chord.count) };
}

std::uint32_t LitSlotMask(int t)
{
    return IsChordType(t) ? kParsed[static_cast<std::size_t>(t)].mask : 0;
}

bool LightsTension(int t) { return (LitSlotMask(t) & kTensionSlotMask) != 0; }

std::uint16_t ChordIntervalMask(int t)
{
    std::uint16_t mask = 0;
    for (int slot : ChordSlots(t))
        mask |= static_cast<std::uint16_t>(
            1u << (MatrixSlots[static_cast<std::size_t>(slot)].semitones % 12));
    return mask;
}

std::array<std::string_view, kMatrixSlots> MatrixNoteNames(int root, SpellingMode mode)
{
    std::array<std::string_view, kMatrixSlots> cells {};
    if (root < 0 || root > 11)
        return cells;
    for (std::size_t s = 0; s < cells.size(); ++s) {
        const MatrixSlot& slot = MatrixSlots[s];
        cells[s] = slot.source < 0 ? NoteCell(mode, root + slot.semitones)
                                   : cells[static_cast<std::size_t>(slot.source)];
    }
    return cells;
}

} // namespace theory
