// The music theory every display routine asks: how long one answer takes.
#include "theory/chordmatch.h"
#include "theory/chords.h"
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

} // namespace
