#include "theory/instrument.h"

#include "theory/scales.h"

#include <algorithm>
#include <cmath>

namespace theory {

namespace {

    // The white keys of an octave by pitch class, and the other way round.
    constexpr std::array<int, 7> kWhitePitchClasses { 0, 2, 4, 5, 7, 9, 11 };
    constexpr std::array<int, 12> kWhiteIndex { 0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6 };

    int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

    const Scale& Major() { return Scales[0]; }

    // The semitones of the major scale's degree number (1 the root, 9 the ninth).
    int MajorSemitones(int number)
    {
        const int below = number - 1;
        return Major().steps[static_cast<std::size_t>(below % 7)] + 12 * (below / 7);
    }

} // namespace

bool IsBlackKey(int note) { return kWhiteIndex[static_cast<std::size_t>(Transposed(note, 0))] < 0; }

KeySpan KeyPlace(int note, int lowest)
{
    const int octave = FloorDiv(note - lowest, 12);
    const int pc = Transposed(note, 0);
    const double octaveLeft = 7.0 * octave;
    if (IsBlackKey(note))
        return { octaveLeft + pc * 7.0 / 12.0, 7.0 / 12.0 };
    return { octaveLeft + kWhiteIndex[static_cast<std::size_t>(pc)], 1.0 };
}

int HighestKey(int whiteKeys, int lowest)
{
    const int last = whiteKeys - 1;
    return lowest + 12 * (last / 7) + kWhitePitchClasses[static_cast<std::size_t>(last % 7)];
}

std::optional<int> KeyAt(double x, double depth, int whiteKeys, int lowest)
{
    if (x < 0 || x >= whiteKeys || depth < 0 || depth > 1)
        return std::nullopt;
    const int octave = static_cast<int>(x / 7);
    if (depth < kBlackKeyLength) {
        const int semitone = static_cast<int>((x - 7.0 * octave) * 12 / 7);
        const int note = lowest + 12 * octave + semitone;
        if (IsBlackKey(note) && note <= HighestKey(whiteKeys, lowest))
            return note;
    }
    const int white = static_cast<int>(x);
    return lowest + 12 * (white / 7) + kWhitePitchClasses[static_cast<std::size_t>(white % 7)];
}

std::vector<int> VoicingOnKeys(const std::vector<int>& notes, int lowest, int highest)
{
    if (notes.empty())
        return {};
    const auto [low, high] = std::minmax_element(notes.begin(), notes.end());
    const int shift = *low >= lowest && *high <= highest ? 0 : -12 * FloorDiv(*low - lowest, 12);
    std::vector<int> keys;
    for (int note : notes) {
        int key = note + shift;
        while (key > highest)
            key -= 12;
        if (key >= lowest)
            keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

int NeckNote(const Tuning& tuning, NeckPosition position)
{
    return tuning.open[static_cast<std::size_t>(position.string)] + position.fret;
}

std::vector<NeckPosition> NotePositions(const Tuning& tuning, int note, int lastFret)
{
    std::vector<NeckPosition> positions;
    for (int string = 0; string < tuning.strings; ++string) {
        const int fret = note - tuning.open[static_cast<std::size_t>(string)];
        if (fret >= 0 && fret <= lastFret)
            positions.push_back({ string, fret });
    }
    return positions;
}

std::vector<NeckPosition> PitchClassPositions(
    const Tuning& tuning, std::uint16_t pitchClasses, int lastFret)
{
    std::vector<NeckPosition> positions;
    for (int string = 0; string < tuning.strings; ++string) {
        for (int fret = 0; fret <= lastFret; ++fret) {
            if (pitchClasses >> Transposed(NeckNote(tuning, { string, fret }), 0) & 1)
                positions.push_back({ string, fret });
        }
    }
    return positions;
}

std::string DegreeLabel(Interval interval)
{
    static constexpr std::array<std::string_view, 5> kAlterations { "𝄫", "♭", "", "♯", "𝄪" };
    const int alteration = interval.semitones - MajorSemitones(interval.number);
    if (alteration < -2 || alteration > 2)
        return {};
    return std::string(kAlterations[static_cast<std::size_t>(alteration + 2)])
        + std::to_string(interval.number);
}

Marking ScaleMarking(PitchClass root, int scale, SpellingMode mode)
{
    Marking marking;
    if (root < 0 || root > 11 || scale < 0 || scale >= kScaleCount)
        return marking;
    const Scale& entry = Scales[static_cast<std::size_t>(scale)];
    const auto cells = SpellScale(root, scale, mode);
    for (std::size_t j = 0; j < entry.steps.size(); ++j) {
        if (entry.steps[j] == kNoNote)
            continue;
        MarkedNote& note
            = marking.notes[static_cast<std::size_t>(Transposed(root, entry.steps[j]))];
        note.role = j == 0 ? MarkRole::Root : MarkRole::Tone;
        note.name = Trimmed(cells[j].text);
        note.degree = DegreeLabel({ entry.degrees[j], entry.steps[j] });
    }
    return marking;
}

Marking ChordMarking(
    PitchClass root, ChordType t, const std::array<std::string, kMatrixSlots>& cells)
{
    Marking marking;
    if (root < 0 || root > 11)
        return marking;
    for (int slot : ChordSlots(t)) {
        const MatrixSlot& matrix = MatrixSlots[static_cast<std::size_t>(slot)];
        MarkedNote& note
            = marking.notes[static_cast<std::size_t>(Transposed(root, matrix.semitones))];
        note.role = slot == 0          ? MarkRole::Root
            : slot < kFirstTensionSlot ? MarkRole::Tone
                                       : MarkRole::Tension;
        note.name = Trimmed(cells[static_cast<std::size_t>(slot)]);
        note.degree = DegreeLabel(ChordSlotInterval(t, slot));
    }
    marking.voicing = ChordNotes(root, t);
    return marking;
}

Phrase NotePhrase(int note) { return { { { note }, 0, 1000 } }; }

} // namespace theory
