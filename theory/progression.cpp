#include "theory/progression.h"

#include "theory/diatonic.h"
#include "theory/playback.h"
#include "theory/scales.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace theory {

namespace {

    constexpr ChordType kMajor = FindChordType("major");
    constexpr ChordType kMinor = FindChordType("m");
    constexpr ChordType kSeventh = FindChordType("7");
    constexpr ChordType kMinorSeventh = FindChordType("m7");
    constexpr ChordType kHalfDiminished = FindChordType("m7(♭5)");
    constexpr int kIonian = 0;
    constexpr int kAeolian = 5;

    // Each degree's numeral by its semitones above the tonic; the tritone reads ♭V under a
    // major third.
    constexpr std::array<std::string_view, 12> kDegrees { "I", "♭II", "II", "♭III", "III", "IV",
        "♯IV", "V", "♭VI", "VI", "♭VII", "VII" };

    // The function of a chord of the key's own scale, by its root's semitones above the tonic.
    // clang-format off
    constexpr std::array<Function, 12> kMajorFunctions {
        Function::Tonic, Function::None, Function::Subdominant, Function::None, Function::Tonic,
        Function::Subdominant, Function::None, Function::Dominant, Function::None, Function::Tonic,
        Function::None, Function::Dominant };
    constexpr std::array<Function, 12> kMinorFunctions {
        Function::Tonic, Function::None, Function::Subdominant, Function::Tonic, Function::None,
        Function::Subdominant, Function::None, Function::Dominant, Function::Subdominant,
        Function::None, Function::Subdominant, Function::None };
    // A major key's chords borrowed from its parallel minor: IIm(♭5), ♭III, IVm, ♭VI, ♭VII.
    constexpr std::array<Function, 12> kBorrowedFromMinor {
        Function::None, Function::None, Function::SubdominantMinor, Function::Tonic, Function::None,
        Function::SubdominantMinor, Function::None, Function::None, Function::SubdominantMinor,
        Function::None, Function::SubdominantMinor, Function::None };
    // A minor key's from its parallel major: I, IV and V.
    constexpr std::array<Function, 12> kBorrowedFromMajor {
        Function::Tonic, Function::None, Function::None, Function::None, Function::None,
        Function::Subdominant, Function::None, Function::Dominant, Function::None, Function::None,
        Function::None, Function::None };
    // clang-format on

    bool IsChord(ChordType t) { return t > kNoChord && t < kChordTypeCount; }

    // The dominant sevenths of the catalogue, suspended and altered ones too: "7", "7(♭9)", ...
    bool IsDominantSeventh(ChordType t) { return IsChord(t) && ChordListText(t).starts_with("7"); }

    bool IsMinorChord(ChordType t)
    {
        const std::uint16_t intervals = ChordIntervalMask(t);
        return (intervals >> 3 & 1) && !(intervals >> 4 & 1);
    }

    std::uint16_t KeyScale(Key key, bool minor)
    {
        return ScalePitchMask(Transposed(key.tonic, 0), minor ? kAeolian : kIonian);
    }

    bool Within(std::uint16_t chord, std::uint16_t scale) { return (chord & ~scale) == 0; }

    // The diatonic button of key's row on step, for the caption after "V7/".
    const DiatonicButton* Button(Key key, int step)
    {
        for (const DiatonicButton& button : DiatonicButtons) {
            if ((button.row == DiatonicRow::Minor) == key.minor && button.step == step)
                return &button;
        }
        return nullptr;
    }

    // The chords the targets of the key's secondary dominants stand on: every chord of the key
    // but its tonic and its diminished one.
    bool IsTarget(Key key, int step)
    {
        const DiatonicButton* button = Button(key, step);
        return button && step != 0 && ChordListText(button->chordType) != "m(♭5)";
    }

    SongChord On(Key key, int step, ChordType type)
    {
        return { Transposed(key.tonic, step), type, {} };
    }

    SongChord Tonic(Key key) { return On(key, 0, key.minor ? kMinor : kMajor); }

} // namespace

Numeral RomanNumeral(Key key, const SongChord& chord)
{
    if (!IsChord(chord.type) || chord.root < 0 || chord.root > 11)
        return { {}, Function::None };
    const int step = Transposed(chord.root, -key.tonic);
    const std::string_view degree = step == 6 && !IsMinorChord(chord.type) ? "♭V" : kDegrees[step];
    const std::uint16_t notes = ChordPitchMask(chord.root, chord.type);
    if (IsDominantSeventh(chord.type)) {
        if (step == 7 || step == 1) // the dominant, or its tritone substitute
            return { ChordSymbol(degree, chord.type), Function::Dominant };
        const int target = Transposed(step, -7);
        if (IsTarget(key, target))
            return { ChordSymbol("V", chord.type) + "/" + std::string(Button(key, target)->caption),
                Function::Dominant };
    }
    Function function = Function::None;
    if (Within(notes, KeyScale(key, key.minor)))
        function = (key.minor ? kMinorFunctions : kMajorFunctions)[static_cast<std::size_t>(step)];
    else if (Within(notes, KeyScale(key, !key.minor)))
        function
            = (key.minor ? kBorrowedFromMajor : kBorrowedFromMinor)[static_cast<std::size_t>(step)];
    return { ChordSymbol(degree, chord.type), function };
}

Key GuessKey(std::span<const SongChord> chords)
{
    // A dominant seventh names no key by its root: E7 Am is in A minor.
    const auto isTonicOf = [](const SongChord& chord, Key key) {
        return chord.root == key.tonic && IsChord(chord.type) && !IsDominantSeventh(chord.type)
            && IsMinorChord(chord.type) == key.minor;
    };
    Key best { 0, false };
    int bestScore = -1;
    for (int k = 0; k < 24; ++k) {
        const Key key { k / 2, k % 2 == 1 };
        // A chord of the key's own scale counts twice, one it borrows or leads in with once.
        int score = 0;
        for (const SongChord& chord : chords) {
            if (IsChord(chord.type)
                && Within(ChordPitchMask(chord.root, chord.type), KeyScale(key, key.minor)))
                score += 2;
            else
                score += RomanNumeral(key, chord).function != Function::None;
        }
        // Ties: the first chord's key, then the last chord's, then the earlier key.
        score = score * 4 + (!chords.empty() && isTonicOf(chords.front(), key)) * 2
            + (!chords.empty() && isTonicOf(chords.back(), key));
        if (score > bestScore) {
            best = key;
            bestScore = score;
        }
    }
    return best;
}

std::vector<Suggestion> NextChords(Key key, const SongChord& chord)
{
    std::vector<Suggestion> next;
    const auto offer = [&](const SongChord& candidate, Reason reason) {
        if (candidate.root == chord.root && candidate.type == chord.type)
            return;
        if (std::none_of(next.begin(), next.end(),
                [&](const Suggestion& s) { return s.chord == candidate; }))
            next.push_back({ candidate, reason });
    };
    const Numeral numeral = RomanNumeral(key, chord);
    const int step = Transposed(chord.root, -key.tonic);
    const SongChord dominant = On(key, 7, kSeventh);
    const SongChord twoChord = On(key, 2, key.minor ? kHalfDiminished : kMinorSeventh);
    const SongChord fourChord = On(key, 5, key.minor ? kMinor : kMajor);
    const SongChord deceptive = On(key, key.minor ? 8 : 9, key.minor ? kMajor : kMinor);
    if (IsDominantSeventh(chord.type) && step != 7 && numeral.function == Function::Dominant) {
        // A secondary dominant or a substitute goes where it points.
        if (step == 1) {
            offer(Tonic(key), Reason::Resolution);
        } else {
            const int target = Transposed(step, -7);
            offer(On(key, target, Button(key, target)->chordType), Reason::Resolution);
        }
        return next;
    }
    switch (numeral.function) {
    case Function::Tonic:
        offer(fourChord, Reason::TonicToSubdominant);
        offer(twoChord, Reason::TwoFive);
        offer(dominant, Reason::SubdominantToDominant);
        // The dominant of the IIm (the IVm in minor) leads there.
        offer(On(key, key.minor ? 0 : 9, kSeventh), Reason::SecondaryDominant);
        if (!key.minor) {
            offer(On(key, 10, kMajor), Reason::Borrowed);
            offer(On(key, 8, kMajor), Reason::Borrowed);
        }
        break;
    case Function::Subdominant:
        offer(dominant, Reason::SubdominantToDominant);
        offer(On(key, 1, kSeventh), Reason::TritoneSubstitute);
        if (!key.minor && step == 5 && !IsMinorChord(chord.type))
            offer(On(key, 5, kMinor), Reason::Borrowed);
        offer(Tonic(key), Reason::SubdominantToTonic);
        break;
    case Function::SubdominantMinor:
        offer(Tonic(key), Reason::SubdominantToTonic);
        offer(dominant, Reason::SubdominantToDominant);
        break;
    case Function::Dominant:
        offer(Tonic(key), Reason::DominantToTonic);
        if (step == 7)
            offer(deceptive, Reason::Deceptive);
        break;
    case Function::None:
        offer(Tonic(key), Reason::Resolution);
        offer(dominant, Reason::SubdominantToDominant);
        break;
    }
    return next;
}

namespace {

    // The lowest notes a voicing may start on: C3 to C5, an octave either side of middle C.
    constexpr int kLowest = 48;
    constexpr int kHighest = 72;

    // The chord's pitch classes in the order the chord window plays them.
    std::vector<int> PitchClassesOf(const SongChord& chord)
    {
        std::vector<int> classes;
        for (int note : ChordNotes(chord.root, chord.type)) {
            if (std::find(classes.begin(), classes.end(), note % 12) == classes.end())
                classes.push_back(note % 12);
        }
        return classes;
    }

    // How far a voicing's notes lie from the notes before: each note to the nearest one of the
    // other voicing, both ways.
    int Distance(const std::vector<int>& a, const std::vector<int>& b)
    {
        const auto nearest = [](int note, const std::vector<int>& others) {
            int best = std::numeric_limits<int>::max();
            for (int other : others)
                best = std::min(best, std::abs(note - other));
            return best;
        };
        int sum = 0;
        for (int note : a)
            sum += nearest(note, b);
        for (int note : b)
            sum += nearest(note, a);
        return sum;
    }

    // The inversions of the chord in close position, starting anywhere from kLowest to
    // kHighest; a slash chord's only on its bass.
    std::vector<std::vector<int>> Inversions(const SongChord& chord)
    {
        const std::vector<int> classes = PitchClassesOf(chord);
        std::vector<std::vector<int>> voicings;
        for (std::size_t first = 0; first < classes.size(); ++first) {
            if (chord.bass && classes[first] != Transposed(*chord.bass, 0))
                continue;
            for (int lowest = kLowest + Transposed(classes[first], -kLowest); lowest <= kHighest;
                 lowest += 12) {
                std::vector<int> notes { lowest };
                for (std::size_t i = 1; i < classes.size(); ++i) {
                    const int pc = classes[(first + i) % classes.size()];
                    notes.push_back(notes.back() + 1 + Transposed(pc, -(notes.back() + 1)));
                }
                voicings.push_back(notes);
            }
        }
        return voicings;
    }

} // namespace

std::vector<std::vector<int>> VoiceLead(std::span<const SongChord> chords)
{
    std::vector<std::vector<int>> voiced;
    for (const SongChord& chord : chords) {
        std::vector<std::vector<int>> choices = Inversions(chord);
        if (choices.empty()) { // "N.C.", or a bass the chord does not hold
            voiced.push_back(chord.bass ? std::vector<int> {} : ChordNotes(chord.root, chord.type));
            continue;
        }
        if (voiced.empty() || voiced.back().empty()) {
            // The first chord as the chord window plays it.
            const std::vector<int> played = ChordNotes(chord.root, chord.type);
            voiced.push_back(chord.bass ? choices.front() : played);
            continue;
        }
        // The nearest voicing; of two as near, the one nearer middle C.
        const std::vector<int>& before = voiced.back();
        const auto weight = [&before](const std::vector<int>& notes) {
            return std::pair(Distance(notes, before), std::abs(notes.front() - kMiddleC));
        };
        voiced.push_back(*std::min_element(choices.begin(), choices.end(),
            [&weight](const auto& a, const auto& b) { return weight(a) < weight(b); }));
    }
    return voiced;
}

std::string SongChordName(const SongChord& chord, SpellingMode mode)
{
    if (!IsChord(chord.type))
        return {};
    const auto cells = MatrixNoteNames(Transposed(chord.root, 0), mode, chord.type);
    std::string name = ChordSymbol(Trimmed(cells[0]), chord.type);
    if (chord.bass && Transposed(*chord.bass, 0) != Transposed(chord.root, 0)) {
        // The bass as the chord spells it where the chord holds it, else as the table does.
        std::string_view bass
            = NoteName(IsSpellingTable(mode) ? mode : SpellingMode::Mixed, *chord.bass);
        for (int slot : ChordSlots(chord.type)) {
            if (Transposed(chord.root, MatrixSlots[static_cast<std::size_t>(slot)].semitones)
                == Transposed(*chord.bass, 0))
                bass = Trimmed(cells[static_cast<std::size_t>(slot)]);
        }
        name += "/" + std::string(bass);
    }
    // A chord name writes its sharps with the music sign, as the chord list does.
    for (std::size_t at; (at = name.find("＃")) != std::string::npos;)
        name.replace(at, std::string_view("＃").size(), "♯");
    return name;
}

} // namespace theory
