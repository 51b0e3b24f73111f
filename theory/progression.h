// A song's chords in a row, read in a key: Roman numerals and functions, the key guessed from
// the chords, what usually comes next, and voicings that move by the smallest steps.
#pragma once

#include "theory/chords.h"
#include "theory/spelling.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace theory {

// One of the 24 major and minor keys.
struct Key {
    PitchClass tonic;
    bool minor;
    bool operator==(const Key&) const = default;
};

// A chord of the row: its root, its type and, for a slash chord (B♭/D), the bass.
struct SongChord {
    PitchClass root;
    ChordType type;
    std::optional<PitchClass> bass;
    bool operator==(const SongChord&) const = default;
};

// The classes of Japanese pop harmony: tonic, subdominant, dominant, and the subdominant minor
// borrowed from the parallel minor key; None where the key does not explain the chord.
enum class Function { None, Tonic, Subdominant, Dominant, SubdominantMinor };

struct Numeral {
    std::string text;
    Function function;
    bool operator==(const Numeral&) const = default;
};

// The chord read in key, its root's degree written as the diatonic buttons write theirs with
// what the type adds: in C major, Am7 is "VIm7" (T), G7 "V7" (D), B♭ "♭VII" (SDm), A7 "V7/IIm"
// (the dominant of a chord of the key, D), D♭7 "♭II7" (the dominant's tritone substitute, D).
// A slash chord reads by its root. Nothing for "N.C." or a chord outside the catalogue.
Numeral RomanNumeral(Key key, const SongChord& chord);

// The key whose diatonic chords, dominant sevenths and usual borrowed chords hold most of the
// chords, its own diatonic ones counting twice (G Am F C is in C major, not G major with a
// borrowed ♭VII); of keys that hold as many, the one whose tonic chord is the first chord, else the last
// chord (a dominant seventh is no tonic chord), else the first in the order C major, C minor,
// C＃ major, .... C major for no chords.
Key GuessKey(std::span<const SongChord> chords);

// Why a chord is offered as the next one.
enum class Reason {
    TonicToSubdominant, // T → SD
    SubdominantToDominant, // SD → D
    DominantToTonic, // D → T
    SubdominantToTonic, // SD → T, the plagal cadence
    Deceptive, // V → VIm, the deceptive cadence
    SecondaryDominant, // V7/x, the dominant of a chord of the key
    Resolution, // a secondary dominant or substitute to the chord it leads to
    TwoFive, // the IIm7 before a dominant
    TritoneSubstitute, // the dominant a tritone away, ♭II7
    Borrowed, // IVm, ♭VI, ♭VII from the parallel minor
};

struct Suggestion {
    SongChord chord;
    Reason reason;
    bool operator==(const Suggestion&) const = default;
};

// A short list of chords that usually follow chord in key, each once, the most usual first.
std::vector<Suggestion> NextChords(Key key, const SongChord& chord);

// The row voiced for playing: the first chord as the chord window plays it, each next one in the
// close-position inversion whose notes lie nearest the chord's before, its lowest note kept
// from C3 to C5 and a slash chord's bass lowest. MIDI note numbers, lowest first.
std::vector<std::vector<int>> VoiceLead(std::span<const SongChord> chords);

// A chord as a lead sheet writes it in mode's spelling, sharps with the music sign: "Am7",
// "B♭/D", "F♯m7(♭5)". "" for "N.C.".
std::string SongChordName(const SongChord& chord, SpellingMode mode);

} // namespace theory
