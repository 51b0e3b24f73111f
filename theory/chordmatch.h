// Chord search: which chords of the catalogue contain every note the user chose.
#pragma once

#include "theory/chords.h"
#include "theory/spelling.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace theory {

// The pitch class of a trimmed note name as the windows display it ("C", "C＃", "D♭", ... the
// 17 names of the three spelling tables); nullopt for anything else ("E＃", "", "x").
std::optional<int> NotePitchClass(std::string_view name);

// The other spelling of a black key ("C＃" <-> "D♭"); a natural is its own; nullopt for
// anything that is not a note name, so it never equals a search box.
std::optional<std::string_view> EnharmonicName(std::string_view name);

// The search's rule for one box against the cells of a displayed chord: an empty box is
// satisfied at once; otherwise some lit cell, trimmed, must equal the box or have the box as
// its enharmonic name.
bool BoxMatches(
    std::string_view box, std::span<const std::string_view> cells, std::uint32_t litMask);

// A hit goes to the plain list when its chord type lights no tension slot, else to the
// tension list; "add9" and "madd9" keep their ninth in the structure row and are plain.
enum class HitList { Plain, Tension };

struct ChordHit {
    int rootValue; // the root scroll bar's value: the root is pitch class 11 - rootValue
    int chordType;
    HitList list;
    std::string item; // the root cell as displayed, then the chord-type list text: "C＃m7"
};

// Every chord (12 roots from B down to C, chord types 1..28 within each root) whose lit notes
// contain every non-empty box, with roots spelled in `mode`. No hits when all boxes are empty.
std::vector<ChordHit> SearchChords(std::span<const std::string_view> boxes, SpellingMode mode);

// The list text of a hit: the untrimmed root cell followed by the chord type's list text.
std::string ResultItemText(int rootValue, int chordType, SpellingMode mode);

struct ResultChord {
    int rootValue;
    int chordType;
};

// Reads a list item back: its first two characters, trimmed, name the root (an unknown name
// gives value 0); the rest, trimmed, names the chord type (unknown gives 0).
ResultChord ParseResultItem(std::string_view item);

} // namespace theory
