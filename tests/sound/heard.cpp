// Reads a recording (raw signed 16-bit mono at 44100 Hz) of chords that play buttons started:
// prints, a line per chord, the notes heard one by one as it breaks upward, and fails when a
// ringing chord drops out. Usage: heard RECORDING NOTES_PER_CHORD
#include "sound/pitch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr std::size_t kBlock = kRate / 200; // 5 ms, a cycle of the lowest note listened for

double Rms(const float* samples, std::size_t count)
{
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += samples[i] * samples[i];
    return std::sqrt(sum / static_cast<double>(count));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    std::ifstream file(argv[1], std::ios::binary);
    const std::vector<char> bytes { std::istreambuf_iterator<char>(file), {} };
    std::vector<float> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        std::int16_t value;
        std::copy_n(&bytes[2 * i], 2, reinterpret_cast<char*>(&value));
        samples[i] = static_cast<float>(value) / 32768.f;
    }
    const auto notes = static_cast<std::size_t>(std::atoi(argv[2]));

    // A phrase starts where sound rises after at least a third of a second of silence.
    constexpr double kSilence = 1e-3;
    std::vector<std::size_t> onsets;
    std::size_t quiet = kRate;
    for (std::size_t at = 0; at + kBlock <= samples.size(); at += kBlock) {
        if (Rms(&samples[at], kBlock) >= kSilence) {
            if (quiet >= kRate / 3)
                onsets.push_back(at);
            quiet = 0;
        } else {
            quiet += kBlock;
        }
    }
    if (onsets.empty()) {
        std::puts("silence");
        return 1;
    }
    for (std::size_t onset : onsets) {
        const std::size_t end = onset + kRate * (1000 + 250 * notes + 250) / 1000;
        if (end > samples.size()) {
            std::puts("a phrase cut short by the end of the recording");
            return 1;
        }
        // The chord rings for a second: a dropout is a block of silence inside it.
        for (std::size_t at = onset; at + kBlock <= onset + kRate * 95 / 100; at += kBlock) {
            if (Rms(&samples[at], kBlock) < kSilence) {
                std::printf("dropout %zu ms after an onset\n", (at - onset) * 1000 / kRate);
                return 1;
            }
        }
        for (std::size_t i = 0; i < notes; ++i) {
            const std::size_t from = onset + kRate * (1040 + 250 * i) / 1000;
            const std::span<const float> step(&samples[from], kRate * 190 / 1000);
            std::printf("%s%d", i ? " " : "", HeardNote(step, kRate));
        }
        std::puts("");
    }
    return 0;
}
