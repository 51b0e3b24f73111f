#include "theory/playback.h"

#include "theory/scales.h"

#include <algorithm>

namespace theory {

namespace {

    // A scale walks at a moderate pace and lets its last note ring; a chord rings a second, then
    // its notes follow each other a little faster.
    constexpr int kScaleStepMs = 300;
    constexpr int kChordMs = 1000;
    constexpr int kBrokenStepMs = 250;

    constexpr ChordType kMajor = FindChordType("major");
    constexpr ChordType kMinor = FindChordType("m");

    // Notes one after another from startMs, the last one held twice as long.
    void AddBroken(Phrase& phrase, const std::vector<int>& notes, int startMs, int stepMs)
    {
        for (std::size_t i = 0; i < notes.size(); ++i) {
            const bool last = i + 1 == notes.size();
            phrase.push_back({ { notes[i] }, startMs + static_cast<int>(i) * stepMs,
                last ? 2 * stepMs : stepMs });
        }
    }

} // namespace

int PhraseLength(const Phrase& phrase)
{
    int end = 0;
    for (const PlayedNotes& played : phrase)
        end = std::max(end, played.startMs + played.lengthMs);
    return end;
}

Phrase ScalePhrase(PitchClass root, int scale)
{
    if (root < 0 || root > 11 || scale < 0 || scale >= kScaleCount)
        return {};
    std::vector<int> notes;
    for (std::int8_t step : Scales[static_cast<std::size_t>(scale)].steps) {
        if (step != kNoNote)
            notes.push_back(kMiddleC + root + step);
    }
    notes.push_back(kMiddleC + root + 12);
    Phrase phrase;
    AddBroken(phrase, notes, 0, kScaleStepMs);
    return phrase;
}

std::vector<int> ChordNotes(PitchClass root, ChordType t)
{
    if (root < 0 || root > 11)
        return {};
    // add9 and madd9 keep their ninth in the structure row, as a second beside the third; the
    // chord symbol means it an octave up, as 6(9) and 7(9) play theirs.
    const std::uint32_t lit = LitSlotMask(t);
    const bool third = (lit >> 3 & 1) || (lit >> 4 & 1);
    std::vector<int> notes;
    for (int slot : ChordSlots(t)) {
        const int semitones = MatrixSlots[static_cast<std::size_t>(slot)].semitones;
        notes.push_back(kMiddleC + root + semitones + (semitones == 2 && third ? 12 : 0));
    }
    std::sort(notes.begin(), notes.end());
    return notes;
}

Phrase ChordPhrase(PitchClass root, ChordType t)
{
    const std::vector<int> notes = ChordNotes(root, t);
    if (notes.empty())
        return {};
    Phrase phrase { { notes, 0, kChordMs } };
    AddBroken(phrase, notes, kChordMs, kBrokenStepMs);
    return phrase;
}

Phrase KeyChordPhrase(KeyIndex k, bool minor)
{
    if (k < 0 || k >= kKeyCount)
        return {};
    // Each sharp of the signature moves the tonic a fifth up, each flat a fifth down.
    const PitchClass major = Transposed(0, 7 * SignatureAccidentals(k));
    return minor ? ChordPhrase(Transposed(major, 9), kMinor) : ChordPhrase(major, kMajor);
}

} // namespace theory
