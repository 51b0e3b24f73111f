// Reads a recording (raw signed 16-bit mono at 44100 Hz) of triads that play buttons started:
// prints, a line per chord, the three notes heard one by one as it breaks upward, and fails
// when a ringing chord drops out. Usage: heard RECORDING. With --steps, a progression's chords
// in a row (see Steps).
#include "sound/pitch.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string_view>
#include <vector>

namespace {

constexpr int kRate = 44100;

// Chords played one after another, each ms long, from the recording's first sound on: prints, a
// line per chord, the three loudest semitones from G3 to B4, where the progression's voicings lie
// and no overtone of theirs does.
int Steps(const std::vector<float>& samples, std::size_t blockSize, int count, int ms)
{
    std::size_t at = 0;
    while (at + blockSize < samples.size() && std::abs(samples[at]) < 32768e-3f)
        ++at;
    for (int i = 0; i < count; ++i) {
        const std::size_t from = at + kRate * (i * ms + 150) / 1000;
        const std::size_t to = at + kRate * ((i + 1) * ms - 100) / 1000;
        if (to > samples.size())
            return 1;
        const std::span step(&samples[from], to - from);
        std::vector<int> notes;
        for (int note = 55; note <= 71; ++note)
            notes.push_back(note);
        std::partial_sort(notes.begin(), notes.begin() + 3, notes.end(),
            [&step](int a, int b) { return Energy(step, kRate, a) > Energy(step, kRate, b); });
        std::sort(notes.begin(), notes.begin() + 3);
        std::printf("%d %d %d\n", notes[0], notes[1], notes[2]);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // heard RECORDING, or heard --steps COUNT MS RECORDING [--stereo]
    const bool steps = argc >= 5 && std::string_view(argv[1]) == "--steps";
    if (argc != 2 && !steps)
        return 2;
    const char* file = steps ? argv[4] : argv[1];
    const bool stereo = steps && argc == 6 && std::string_view(argv[5]) == "--stereo";
    constexpr std::size_t kBlock = kRate / 200; // 5 ms, a cycle of the lowest note listened for
    std::vector<std::int16_t> raw(std::filesystem::file_size(file) / 2);
    std::ifstream(file, std::ios::binary)
        .read(reinterpret_cast<char*>(raw.data()), static_cast<std::streamsize>(2 * raw.size()));
    std::vector<float> samples;
    for (std::size_t i = 0; i < raw.size(); i += stereo ? 2 : 1)
        samples.push_back(raw[i]);
    if (steps)
        return Steps(samples, kBlock, std::atoi(argv[2]), std::atoi(argv[3]));
    // Under a thousandth of full scale, as a root mean square over the block from sample at.
    const auto silent = [&samples](std::size_t at) {
        const float* block = &samples[at];
        return std::sqrt(std::inner_product(block, block + kBlock, block, 0.0) / kBlock) < 32768e-3;
    };

    // A chord starts where sound rises after at least a third of a second of silence, rings a
    // second, then breaks upward a note every quarter second; one the recording cuts short is
    // not read.
    std::size_t quiet = kRate;
    for (std::size_t at = 0; at + kRate * 2 <= samples.size(); at += kBlock) {
        const bool starts = !silent(at) && quiet >= kRate / 3;
        quiet = silent(at) ? quiet + kBlock : 0;
        if (!starts)
            continue;
        // A dropout is a block of silence while the chord rings.
        for (std::size_t block = at; block < at + kRate * 95 / 100; block += kBlock) {
            if (silent(block)) {
                std::printf("dropout %zu ms after an onset\n", (block - at) * 1000 / kRate);
                return 1;
            }
        }
        for (std::size_t i = 0; i < 3; ++i) {
            const std::span step(&samples[at + kRate * (1040 + 250 * i) / 1000], kRate * 19 / 100);
            std::printf("%s%d", i ? " " : "", HeardNote(step, kRate));
        }
        std::puts("");
    }
    return 0;
}
