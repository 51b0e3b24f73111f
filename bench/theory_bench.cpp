// The music theory every display routine asks: how long one answer takes.
#include "midi/smf.h"
#include "theory/chordmatch.h"
#include "theory/chordnames.h"
#include "theory/chords.h"
#include "theory/progression.h"
#include "theory/scales.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr theory::SpellingMode kModes[]
    = { theory::SpellingMode::Mixed, theory::SpellingMode::Sharps, theory::SpellingMode::Flats };

void SpellEveryScale(benchmark::State& state)
{
    for (auto _ : state) {
        for (theory::SpellingMode mode : kModes) {
            for (int scale = 0; scale < theory::kScaleCount; ++scale) {
                for (int root = 0; root < 12; ++root)
                    benchmark::DoNotOptimize(theory::SpellScale(root, scale, mode));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 3 * theory::kScaleCount * 12);
}
BENCHMARK(SpellEveryScale);

void MatrixNoteNames(benchmark::State& state)
{
    int root = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(theory::MatrixNoteNames(root, theory::SpellingMode::Mixed));
        root = (root + 1) % 12;
    }
}
BENCHMARK(MatrixNoteNames);

// One to five notes of C9, the worst case being the full chord.
void SearchChords(benchmark::State& state)
{
    constexpr theory::PitchClass kNinthChord[] = { 0, 4, 7, 10, 2 };
    std::uint16_t notes = 0;
    for (int i = 0; i < state.range(0); ++i)
        notes |= static_cast<std::uint16_t>(1u << kNinthChord[i]);
    for (auto _ : state)
        benchmark::DoNotOptimize(theory::SearchChords(notes));
}
BENCHMARK(SearchChords)->DenseRange(1, 5);

// A row of 32 chords as the progression window reads it: the names read from text, the key
// guessed, every numeral, the suggestions after the last chord, the voicings and the MIDI file.
void ProgressionOfThirtyTwo(benchmark::State& state)
{
    const std::string text = "C Am7 Dm7 G7 Em7 A7 Dm7 G7(b9) CM7 C7 FM7 Fm6 Em7 A7 D7 G7sus4 "
                             "C Am7 Dm7 G7 Em7 A7 Dm7 G7(b9) CM7 C7 FM7 Fm6 Em7 Ebdim Dm7 G7";
    const std::vector<theory::SongChord> chords = theory::ReadChordNames(text).chords;
    const int what = static_cast<int>(state.range(0));
    for (auto _ : state) {
        if (what == 0) {
            benchmark::DoNotOptimize(theory::ReadChordNames(text));
        } else if (what == 1) {
            const theory::Key key = theory::GuessKey(chords);
            for (const theory::SongChord& chord : chords)
                benchmark::DoNotOptimize(theory::RomanNumeral(key, chord));
            benchmark::DoNotOptimize(theory::NextChords(key, chords.back()));
        } else {
            std::vector<midi::SmfNote> notes;
            int at = 0;
            for (const std::vector<int>& voicing : theory::VoiceLead(chords)) {
                for (int note : voicing)
                    notes.push_back({ note, at, 4 * midi::kTicksPerQuarter });
                at += 4 * midi::kTicksPerQuarter;
            }
            benchmark::DoNotOptimize(midi::StandardMidiFile(notes, 100, 1));
        }
    }
    state.SetLabel(what == 0 ? "read names"
            : what == 1      ? "key, numerals, suggestions"
                             : "voicings and MIDI file");
}
BENCHMARK(ProgressionOfThirtyTwo)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace
