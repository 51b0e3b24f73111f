// The synthesizer: what loading it costs, and how soon a press gives its first sample when
// rendered to memory (no sound server, so the figure is the engine's own share of the delay).
#include "sound/synth.h"
#include "theory/playback.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

// Resident memory of this process, in kilobytes.
double ResidentKb()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024;
}

// The engine with its settings, sequencer and the system's General MIDI SoundFont; the memory it
// adds is the resident growth over the first load.
void LoadSynthAndSoundFont(benchmark::State& state)
{
    // Google Benchmark runs this function more than once; only the first load grows the process.
    static double before = ResidentKb();
    static double added = -1;
    for (auto _ : state) {
        sound::Trouble trouble {};
        auto synth = sound::Synth::Load("", trouble);
        if (!synth)
            state.SkipWithError("no SoundFont");
        if (added < 0)
            added = ResidentKb() - before;
        benchmark::DoNotOptimize(synth.get());
    }
    state.counters["added_MB"] = added / 1024;
}
BENCHMARK(LoadSynthAndSoundFont)->Unit(benchmark::kMillisecond);

// From Play to the first rendered sample that is not silence, in 64-frame steps; the counter
// gives the same delay in frames.
void PressToFirstSample(benchmark::State& state)
{
    sound::Trouble trouble {};
    auto synth = sound::Synth::Load("", trouble);
    if (!synth) {
        state.SkipWithError("no SoundFont");
        return;
    }
    const theory::Phrase phrase = theory::ChordPhrase(0, theory::FindChordType("7(9)"));
    std::vector<float> left(64), right(64);
    int frames = 0;
    for (auto _ : state) {
        synth->Play(phrase);
        frames = 0;
        for (bool heard = false; !heard && frames < sound::Synth::kSampleRate; frames += 64) {
            synth->Render(left.data(), right.data(), 64);
            for (float sample : left)
                heard = heard || sample != 0;
        }
        state.PauseTiming();
        synth->Silence();
        for (int i = 0; i < 100; ++i) // let the release die away
            synth->Render(left.data(), right.data(), 64);
        state.ResumeTiming();
    }
    state.counters["frames"] = frames;
}
BENCHMARK(PressToFirstSample)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
