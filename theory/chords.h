// The interval matrix and the chord catalogue: which notes a chord type lights on which root.
#pragma once

#include "theory/spelling.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace theory {

// Slots 0..11 form the structure row (s semitones above the root); slots 12..18 the tension
// row (b9, 9, #9, 11, #11, b13, 13), each an octave above a source slot of the structure row.
inline constexpr int kMatrixSlots = 19;
inline constexpr int kFirstTensionSlot = 12;

// The windows colour degree slots (major-scale intervals, natural 9, 11, 13) and altered ones
// differently.
enum class SlotGroup { Degree, Altered };

struct MatrixSlot {
    int semitones;
    int number; // the default name's interval number (9 for "短9"): the slot's letter by key
    std::string_view defaultName; // the interval name a new settings file shows
    std::string_view alternativeName; // the other name the user may choose for the slot
    int alternativeNumber; // the alternative name's interval number (4 for "増4")
    SlotGroup group;
    int source; // the structure slot a tension slot copies its note from; -1 in the structure row
};

extern const std::array<MatrixSlot, kMatrixSlots> MatrixSlots;

// A chord type: an index into the catalogue, 1..28; 0 is "N.C.", no chord.
using ChordType = int;
inline constexpr ChordType kNoChord = 0;
inline constexpr int kChordTypeCount = 29;
inline constexpr int kMaxChordSlots = 5;

// One row of the catalogue: the chord-type list's text and the matrix slots it lights,
// ascending. "7" lights the root, the major third, the fifth and the minor seventh.
struct ChordTypeRow {
    template <std::size_t N>
    constexpr ChordTypeRow(std::string_view text, const int (&lit)[N])
        : listText(text)
        , count(static_cast<int>(N))
    {
        static_assert(N <= kMaxChordSlots);
        for (std::size_t i = 0; i < N; ++i)
            litSlots[i] = lit[i];
    }
    constexpr ChordTypeRow(std::string_view text)
        : listText(text)
    {
    }

    std::string_view listText;
    std::array<int, kMaxChordSlots> litSlots {};
    int count = 0;
};

// clang-format off
inline constexpr std::array<ChordTypeRow, kChordTypeCount> ChordTypes { {
    { "N.C." },
    // Major triads and sixths
    { "major",   { 0, 4, 7 } },
    { "add9",    { 0, 2, 4, 7 } },        // the ninth sits in the structure row, as a second
    { "sus4",    { 0, 5, 7 } },
    { "dim",     { 0, 3, 6, 9 } },        // the four-note diminished chord
    { "aug",     { 0, 4, 8 } },
    { "M7",      { 0, 4, 7, 11 } },
    { "M7(9)",   { 0, 4, 7, 11, 13 } },
    { "6",       { 0, 4, 7, 9 } },
    { "6(9)",    { 0, 4, 7, 9, 13 } },
    // Dominant sevenths
    { "7",       { 0, 4, 7, 10 } },
    { "7sus4",   { 0, 5, 7, 10 } },
    { "7(9)",    { 0, 4, 7, 10, 13 } },
    { "7(♭5)",   { 0, 4, 6, 10 } },
    { "7(♯5)",   { 0, 4, 8, 10 } },
    { "7(♭9)",   { 0, 4, 7, 10, 12 } },
    { "7(♯9)",   { 0, 4, 7, 10, 14 } },
    { "7(13)",   { 0, 4, 7, 10, 18 } },
    { "7(♭13)",  { 0, 4, 7, 10, 17 } },
    { "7(♯11)",  { 0, 4, 7, 10, 16 } },
    // Minor chords
    { "m",       { 0, 3, 7 } },
    { "madd9",   { 0, 2, 3, 7 } },
    { "m(♭5)",   { 0, 3, 6 } },           // the diminished triad
    { "m6",      { 0, 3, 7, 9 } },
    { "m7",      { 0, 3, 7, 10 } },
    { "m7(9)",   { 0, 3, 7, 10, 13 } },
    { "m7(♭5)",  { 0, 3, 6, 10 } },
    { "m7(11)",  { 0, 3, 7, 10, 15 } },
    { "mM7",     { 0, 3, 7, 11 } },
} };
// clang-format on

// The type whose list text is text, for naming types in other tables: FindChordType("m") == 20.
constexpr ChordType FindChordType(std::string_view text)
{
    for (std::size_t t = 0; t < ChordTypes.size(); ++t) {
        if (ChordTypes[t].listText == text)
            return static_cast<ChordType>(t);
    }
    throw "not a chord type of the catalogue"; // fails the build where used in a constant
}

// The chord-type list's text of type t ("major", "7(♭9)"); "" outside 0..28.
std::string_view ChordListText(ChordType t);

// The slots type t lights, ascending; empty for "N.C." and outside 0..28.
std::span<const int> ChordSlots(ChordType t);

// The same as a bit mask, bit s for slot s.
std::uint32_t LitSlotMask(ChordType t);

// True when type t lights a tension slot (12..18): its search hits belong to the tension list.
bool LightsTension(ChordType t);

// The interval slot s stands for in type t as its default name has it, except that the four-note
// diminished chord's 9-semitone slot is its diminished seventh: {7, 9}; {6, 9} in "6".
Interval ChordSlotInterval(ChordType t, int s);

// The pitch classes of type t above its root as a 12-bit mask, bit 0 the root.
std::uint16_t ChordIntervalMask(ChordType t);

// The pitch classes of type t on root as a 12-bit mask, bit pc for pitch class pc.
std::uint16_t ChordPitchMask(PitchClass root, ChordType t);

// A chord's name as the search lists it: the root's two-character cell as the matrix spells
// it, then the list text: "C＃m7", "C　major"; by key "D♭7(♯9)".
std::string ChordItemText(PitchClass root, ChordType t, SpellingMode mode);

// What spells the matrix by key besides root and type: the name a key gives the root (a
// diatonic button of C＃ major names its IIIm E＃, not F), and the slots whose interval the user
// named by its alternative name (bit s: slot 6 named "増4" reads F＃ on C, not G♭).
struct ByKeyNames {
    std::optional<SpelledNote> root; // ignored unless it sounds the root's pitch class
    std::uint32_t alternatives = 0;
};

// The 19 note cells of the matrix on root (pitch class 0..11) for chord type t: slot s of the
// structure row is the cell of pitch class root + s; a tension slot repeats its source slot's
// cell. In a table the spelling depends on the pitch class and the mode alone (the #9 of C
// reads "E♭" in the mixed table) and t plays no part. By key the root takes the name of
// names.root, else the name KeyRoot chooses for t's lit notes, and every slot the letter of its
// interval from the root: C＃7 is C＃ E＃ G＃ B, the #9 of C is D＃. The diminished chord reads
// its 9-semitone note as a diminished seventh (C E♭ G♭ B𝄫), while the unlit 13th stays A.
// Every cell is "" outside the four modes or for a root outside 0..11.
std::array<std::string_view, kMatrixSlots> MatrixNoteNames(
    PitchClass root, SpellingMode mode, ChordType t = kNoChord, const ByKeyNames& names = {});

// How a chord is voiced beyond its type: the pitch class in the bass when it is not the root (a
// slash chord, C/E), and a perfect fifth left out (a shell voicing, E 7 (no 5th)).
struct Voicing {
    std::optional<PitchClass> bass;
    bool noFifth = false;
    bool operator==(const Voicing&) const = default;
};

// Bit s set where the interval name shown under slot s is its alternative name, for ByKeyNames.
template <typename Names> std::uint32_t AlternativeNames(const Names& shown)
{
    std::uint32_t mask = 0;
    for (std::size_t s = 0; s < MatrixSlots.size() && s < shown.size(); ++s) {
        if (shown[s] == MatrixSlots[s].alternativeName && shown[s] != MatrixSlots[s].defaultName)
            mask |= 1u << s;
    }
    return mask;
}

// A chord as a lead sheet writes it: the root's name and the type, a major triad by its root
// alone: ChordSymbol("C", major) is "C", ChordSymbol("F＃", m7(♭5)) "F＃m7(♭5)". "N.C." has no
// root.
std::string ChordSymbol(std::string_view rootName, ChordType t);

} // namespace theory
