// The one line of plain text a window copies: its name, a colon and a space, then its notes
// lowest first, trimmed and separated by single spaces.
#pragma once

#include "theory/chords.h"
#include "theory/keys.h"
#include "theory/spelling.h"
#include "theory/text.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace theory {

// CopyLine("C major", {"C　", "E　", "G　"}) is "C major: C E G"; empty notes are left out, and
// with none the line is the name alone. Sharps are written with the music sign ♯, as in chord
// names, wherever the windows' cells show the full-width ＃: "C Lydian ♯5: C D E F♯ G♯ A B".
std::string CopyLine(std::string_view name, std::span<const std::string_view> notes);

// "C Ionian(Major): C D E F G A B"; empty outside the catalogue or a spelling table. The scale
// is named as the window shows it, the catalogue's name where that is empty.
std::string ScaleCopyText(
    PitchClass root, int scale, SpellingMode mode, std::string_view shownName = {});

// The root, the chord-type list text and the lit notes as the matrix spells them: "C 7(♭9): C E
// G B♭ C♯" in the mixed table. A slash chord is named as a lead sheet writes it and its notes
// start from the bass, "C/E: E G C"; a shell voicing says what it leaves out, "E 7 (no 5th): E
// G♯ D". "N.C." names no notes and no root; empty outside 0..11 or 1..28.
std::string ChordCopyText(PitchClass root, ChordType type, SpellingMode mode,
    const ByKeyNames& names = {}, const Voicing& voicing = {});

// The chord's name as ChordCopyText begins it: "C major", "C/E", "E 7 (no 5th)".
std::string ChordName(PitchClass root, ChordType type, SpellingMode mode,
    const ByKeyNames& names = {}, const Voicing& voicing = {});

// The key window's three column captions: the key, its dominant, its subdominant.
using KeyCaptions = std::array<std::string_view, 3>;
inline constexpr KeyCaptions kKeyCaptions { RURIZED_TEXT("frmKey", "主調"),
    RURIZED_TEXT("frmKey", "上属調"), RURIZED_TEXT("frmKey", "下属調") };

// Key k, its dominant and its subdominant, each with its relative minor, under the captions the
// window shows: "主調: C Am 上属調: G Em 下属調: F Dm". Empty outside 0..14.
std::string KeyCopyText(KeyIndex k, const KeyCaptions& captions = kKeyCaptions);

} // namespace theory
