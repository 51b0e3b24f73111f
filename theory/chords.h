// The interval matrix and the chord catalogue: which notes a chord type lights on which root.
#pragma once

#include "theory/spelling.h"

#include <array>
#include <cstdint>
#include <span>
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
    std::string_view defaultName; // the interval name a new settings file shows
    std::string_view alternativeName; // the other name the user may choose for the slot
    SlotGroup group;
    int source; // the structure slot a tension slot copies its note from; -1 in the structure row
};

extern const std::array<MatrixSlot, kMatrixSlots> MatrixSlots;

// Chord types 0..28; 0 is "N.C.", no chord.
inline constexpr int kChordTypeCount = 29;

// The chord-type list's text of type t ("major", "7(♭9)"); "" outside 0..28.
std::string_view ChordListText(int t);

// The structure code of type t: two decimal digits per lit slot, ascending ("00040710" for
// "7"); empty for "N.C." and outside 0..28.
std::string_view ChordStructure(int t);

// The slots type t lights, in code order; empty for "N.C.".
std::span<const int> ChordSlots(int t);

// The same as a bit mask, bit s for slot s.
std::uint32_t LitSlotMask(int t);

// True when type t lights a tension slot (12..18): its search hits belong to the tension list.
bool LightsTension(int t);

// The pitch classes of type t above its root as a 12-bit mask, bit 0 the root.
std::uint16_t ChordIntervalMask(int t);

// The 19 note cells of the matrix on root (pitch class 0..11): slot s of the structure row is
// the cell of pitch class root + s; a tension slot repeats its source slot's cell. The
// spelling depends on the pitch class and the mode alone (the #9 of C reads "E♭" in the mixed
// table). Every cell is "" outside a spelling table or for a root outside 0..11.
std::array<std::string_view, kMatrixSlots> MatrixNoteNames(int root, SpellingMode mode);

} // namespace theory
