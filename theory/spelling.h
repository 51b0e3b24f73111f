// Note names: the three spelling tables and the two-character note cells every window shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace theory {

// A pitch class: 0 is C, counted upward in semitones to 11, B.
using PitchClass = int;

// The pitch class s semitones above pc, for any whole s: Transposed(10, 4) == 2.
constexpr PitchClass Transposed(PitchClass pc, int s) { return ((pc + s) % 12 + 12) % 12; }

// Which note-name table a window uses; stored as "Cromatic" in the settings file. A stored
// value outside 0..2 is kept as it is (the enum's underlying type holds it) and selects no
// table, so every cell reads as empty text.
enum class SpellingMode : std::int32_t { Mixed = 0, Sharps = 1, Flats = 2 };

bool IsSpellingTable(SpellingMode mode);

// The spelling button's cycle: mixed -> sharps -> flats -> mixed. A mode outside the three
// tables has no button picture, so it does not move.
SpellingMode NextSpellingMode(SpellingMode mode);

// The text of an empty cell of the scale view: two U+0020 spaces.
inline constexpr std::string_view kEmptyCell = "  ";

// Cell k of the two-octave table: k 0..23 names pitch class k mod 12 ("C　", "C＃", "B♭"),
// k 24..36 is kEmptyCell. Outside a spelling table, or outside 0..36, the cell is "".
std::string_view NoteCell(SpellingMode mode, int k);

// The name of pitch class pc (any integer, taken mod 12) as a two-character cell.
std::string_view PitchClassCell(SpellingMode mode, PitchClass pc);

// The same name without its padding: "C", "F＃", "B♭".
std::string_view NoteName(SpellingMode mode, PitchClass pc);

// The pitch class of a trimmed note name of any of the three tables ("C", "C＃", "D♭", ...);
// nullopt for anything else ("E＃", "", "x").
std::optional<PitchClass> NotePitchClass(std::string_view name);

// The whole table as one text of 37 two-character cells (74 characters): the stored form the
// windows read by cell. Empty outside a spelling table.
std::string NoteNames(SpellingMode mode);

// A name without its padding: trailing U+0020 and U+3000 removed ("C　" -> "C").
std::string_view Trimmed(std::string_view text);

// The byte length of the first n characters of a UTF-8 text (all of it when shorter).
std::size_t Utf8PrefixBytes(std::string_view text, std::size_t n);

} // namespace theory
