// Chord search: which chords of the catalogue contain every note the user chose.
#pragma once

#include "theory/chords.h"
#include "theory/spelling.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace theory {

// A hit goes to the plain list when its chord type lights no tension slot, else to the
// tension list; "add9" and "madd9" keep their ninth in the structure row and are plain.
enum class HitList { Plain, Tension };

struct ChordHit {
    PitchClass root;
    ChordType type;
    HitList list;
};

// The search tries every chord once: roots from B down to C, chord types 1..28 on each root.
inline constexpr int kSearchSteps = 12 * (kChordTypeCount - 1);

struct ChordOnRoot {
    PitchClass root;
    ChordType type;
};

// Step i (0..335) of that order: step 0 is B major, step 335 C mM7.
ChordOnRoot SearchStep(int i);

// Whether the chord holds every pitch class of notes (a 12-bit mask, bit pc for pitch class pc).
bool ChordHolds(PitchClass root, ChordType type, std::uint16_t notes);

// Every chord, in search order, that holds every pitch class of notes; none for no notes.
std::vector<ChordHit> SearchChords(std::uint16_t notes);

// The part a note plays in a chord: the slot the chord lights for its pitch class.
struct NoteRole {
    PitchClass pc;
    int slot;
    bool searched; // one of the notes asked for; otherwise a note the chord adds
};

// Every lit slot of the chord, lowest first, with its pitch class. A m7 with C, E, A asked for:
// A slot 0, C slot 3, E slot 7 searched, G slot 10 added. Empty when the chord does not hold
// every note asked for.
std::vector<NoteRole> ChordRoles(PitchClass root, ChordType type, std::uint16_t notes);

// Why a hit is a hit, naming each slot as the chord window does (intervalNames, slot 0..18):
// "A = 完1, C = 短3, E = 完5 + G (短7)". With a bass that is not the root (the lowest of the
// keys held), the chord is named over it first: "C/E: C = 完1, E = 長3, G = 完5". Empty where
// ChordRoles is.
std::string ExplainHit(PitchClass root, ChordType type, std::uint16_t notes, SpellingMode mode,
    const std::array<std::string, kMatrixSlots>& intervalNames,
    std::optional<PitchClass> bass = std::nullopt);

// Whether every note of the chord lies in scale (a 12-bit mask, as ScalePitchMask gives it).
bool ChordInScale(PitchClass root, ChordType type, std::uint16_t scale);

// The hits whose chords lie in scale, in the order given.
std::vector<ChordHit> HitsInScale(std::span<const ChordHit> hits, std::uint16_t scale);

} // namespace theory
