// Note names: the three spelling tables and the two-character note cells every window shows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace theory {

// A pitch class: 0 is C, counted upward in semitones to 11, B.
using PitchClass = int;

// The pitch class s semitones above pc, for any whole s: Transposed(10, 4) == 2.
constexpr PitchClass Transposed(PitchClass pc, int s) { return ((pc + s) % 12 + 12) % 12; }

// How a window spells its notes; stored as "Cromatic" in the settings file. The first three
// give every pitch class one fixed name from a table; ByKey spells a whole scale or chord, one
// letter per degree (F＃ major ends on E＃). A stored value outside 0..3 is kept as it is (the
// enum's underlying type holds it) and spells nothing, so every cell reads as empty text.
enum class SpellingMode : std::int32_t { Mixed = 0, Sharps = 1, Flats = 2, ByKey = 3 };

// True for the three tables, 0..2.
bool IsSpellingTable(SpellingMode mode);

// True for the four modes, 0..3.
bool IsSpellingMode(SpellingMode mode);

// The spelling button's cycle: mixed -> sharps -> flats -> by key -> mixed. A mode outside the
// four has no button picture, so it does not move.
SpellingMode NextSpellingMode(SpellingMode mode);

// The text of an empty cell of the scale view: two U+0020 spaces.
inline constexpr std::string_view kEmptyCell = "  ";

// Cell k of the two-octave table: k 0..23 names pitch class k mod 12 ("C　", "C＃", "B♭"),
// k 24..36 is kEmptyCell. By key, a lone pitch class reads as in the mixed table: both names of
// a black key carry one accidental, and a tie keeps the mixed name. Outside the four modes, or
// outside 0..36, the cell is "".
std::string_view NoteCell(SpellingMode mode, int k);

// The name of pitch class pc (any integer, taken mod 12) as a two-character cell.
std::string_view PitchClassCell(SpellingMode mode, PitchClass pc);

// The same name without its padding: "C", "F＃", "B♭".
std::string_view NoteName(SpellingMode mode, PitchClass pc);

// The pitch class of a trimmed note name: a letter alone or followed by one of ＃ ♭ 𝄪 𝄫 ("C",
// "D♭", "E＃" 5, "B𝄫" 9); nullopt for anything else ("", "x", "C#", "C　").
std::optional<PitchClass> NotePitchClass(std::string_view name);

// A note as a musician writes it: a letter (0 C, 1 D, ... 6 B) and its alteration in
// semitones (-2 double flat, -1 flat, 0 natural, 1 sharp, 2 double sharp).
struct SpelledNote {
    int letter;
    int alteration;
};

// An interval as a musician names it: its number (1 unison, 3 third, 9 ninth) and its size in
// semitones. A major third is {3, 4}, a minor ninth {9, 13}, an augmented eleventh {11, 18}.
struct Interval {
    int number;
    int semitones;
};

// The note an interval above a spelled note: the letter number - 1 steps on, altered to sound
// the semitones: E＃ is a major third {3, 4} above C＃.
SpelledNote Above(SpelledNote note, Interval interval);

// A spelled note's two-character cell: the letter and U+3000, "＃", "♭", "𝄪" (U+1D12A) or "𝄫"
// (U+1D12B). "" beyond a double sharp or flat, or for a letter outside 0..6.
std::string_view SpelledCell(SpelledNote note);

// The name of root under which the notes (intervals above it) are spelled by key: a white
// key's letter; of a black key's two names the one under which fewer of the notes carry an
// accidental, a tie keeping the mixed table's name (C＃, E♭, F＃, A♭, B♭). A name under which a
// note would need more than a double accidental loses. The major scale on pitch class 1 is
// D♭'s, the minor scale C＃'s.
SpelledNote KeyRoot(PitchClass root, std::span<const Interval> notes);

// A name without its padding: trailing U+0020 and U+3000 removed ("C　" -> "C").
std::string_view Trimmed(std::string_view text);

} // namespace theory
