// Reads a recording (raw signed 16-bit mono at 44100 Hz) of triads that play buttons started:
// prints, a line per chord, the three notes heard one by one as it breaks upward, and fails
// when a ringing chord drops out. Usage: heard RECORDING
#include "sound/pitch.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    constexpr int kRate = 44100;
    constexpr std::size_t kBlock = kRate / 200; // 5 ms, a cycle of the lowest note listened for
    std::vector<std::int16_t> raw(std::filesystem::file_size(argv[1]) / 2);
    std::ifstream(argv[1], std::ios::binary)
        .read(reinterpret_cast<char*>(raw.data()), static_cast<std::streamsize>(2 * raw.size()));
    const std::vector<float> samples(raw.begin(), raw.end());
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
