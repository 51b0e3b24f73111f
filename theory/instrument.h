// Notes on an instrument: the keys of a piano keyboard drawn to scale, the strings and frets of a
// guitar, bass or ukulele neck, and what each note shown there is to a scale or a chord.
#pragma once

#include "theory/chords.h"
#include "theory/playback.h"
#include "theory/spelling.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace theory {

// The keyboard starts on C3 and shows at least two octaves and the C above: C3 to C5.
inline constexpr int kLowestKey = 48;
inline constexpr int kFewestWhiteKeys = 15;
// A black key is this much of a white key's length.
inline constexpr double kBlackKeyLength = 0.63;

bool IsBlackKey(int note);

// A key's place across the keyboard, in widths of a white key from the left edge of the
// keyboard's lowest key (a C). White keys lie side by side; the twelve keys of an octave share
// its seven white widths evenly, so each black key is 7/12 wide and C♯ leans left of the line
// between C and D, A♯ right of the line between A and B, as on a piano: C♯4 on a keyboard from
// C3 is {7.5833, 0.5833}.
struct KeySpan {
    double left;
    double width;
};
KeySpan KeyPlace(int note, int lowest = kLowestKey);

// The highest note of a keyboard of whiteKeys white keys from lowest: 15 from C3 end on C5, 72.
int HighestKey(int whiteKeys, int lowest = kLowestKey);

// The key under a point: x in white widths from the keyboard's left, depth in key lengths from
// its back edge. Black keys lie over the white ones as far as kBlackKeyLength. None outside.
std::optional<int> KeyAt(double x, double depth, int whiteKeys, int lowest = kLowestKey);

// Notes as played, put on a keyboard from lowest to highest: as they are where they all fit,
// else moved down (or up) by whole octaves until the lowest is in the keyboard's first
// octave, any still above the top falling by octaves onto it. C7(9) as played, 60 64 67 70 74,
// is 48 52 55 58 62 from C3 to C5. Repeats once.
std::vector<int> VoicingOnKeys(const std::vector<int>& notes, int lowest, int highest);

// A neck shows its open strings and the frets up to this one.
inline constexpr int kLastFret = 15;
inline constexpr int kMaxStrings = 6;

struct Tuning {
    std::string_view name; // the tuning list's text
    int strings;
    // The open strings as MIDI notes, in the order a player numbers them from the sixth (the
    // ukulele's fourth) to the first.
    std::array<int, kMaxStrings> open;
};

// clang-format off
inline constexpr std::array<Tuning, 6> Tunings { {
    { "Guitar (E A D G B E)", 6, { 40, 45, 50, 55, 59, 64 } },
    { "Drop D (D A D G B E)", 6, { 38, 45, 50, 55, 59, 64 } },
    { "DADGAD",               6, { 38, 45, 50, 55, 57, 62 } },
    { "Open G (D G D G B D)", 6, { 38, 43, 50, 55, 59, 62 } },
    { "Bass (E A D G)",       4, { 28, 33, 38, 43 } },
    { "Ukulele (G C E A)",    4, { 67, 60, 64, 69 } },    // re-entrant: G4 above C4
} };
// clang-format on
inline constexpr int kTuningCount = static_cast<int>(Tunings.size());

// A place on the neck: string 0 is the first of the tuning's row (the lowest on a guitar), fret 0
// the open string.
struct NeckPosition {
    int string;
    int fret;
    bool operator==(const NeckPosition&) const = default;
};

// The note a position sounds.
int NeckNote(const Tuning& tuning, NeckPosition position);

// Every position that sounds note, string by string: E4 (64) on a guitar is the first string
// open, the B string's 5th fret, the G string's 9th, the D string's 14th.
std::vector<NeckPosition> NotePositions(const Tuning& tuning, int note, int lastFret = kLastFret);

// Every position whose note is one of the pitch classes (bit pc of the mask), string by string.
std::vector<NeckPosition> PitchClassPositions(
    const Tuning& tuning, std::uint16_t pitchClasses, int lastFret = kLastFret);

// What a note is to the scale or chord shown.
enum class MarkRole : std::uint8_t { None, Root, Tone, Tension };

struct MarkedNote {
    MarkRole role = MarkRole::None;
    std::string name; // as the window it comes from spells it: "F＃"
    std::string degree; // its interval above the root: "1", "♭3", "♯11"
};

struct Marking {
    std::array<MarkedNote, 12> notes; // by pitch class
    // A chord's notes as its play button sounds them (ChordNotes); empty for a scale, whose
    // notes are marked in every octave.
    std::vector<int> voicing;
};

// An interval's number with the alteration that sets it off the major scale: {3, 3} is "♭3",
// {11, 18} "♯11", {7, 9} "𝄫7".
std::string DegreeLabel(Interval interval);

// Scale s (0..23) on root, each note named as SpellScale names it in mode. Nothing is marked
// outside 0..11 or 0..23.
Marking ScaleMarking(PitchClass root, int scale, SpellingMode mode);

// Chord type t on root, each note named by its matrix cell (cells[s] for slot s, as the chord
// window shows it): the root, the structure notes as tones and the tension row's notes as
// tensions, with ChordNotes' voicing.
Marking ChordMarking(
    PitchClass root, ChordType t, const std::array<std::string, kMatrixSlots>& cells);

// A key or a string struck once.
Phrase NotePhrase(int note);

} // namespace theory
