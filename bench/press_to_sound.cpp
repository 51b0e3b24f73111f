// The parts of scripts/bench-sound that need exact times, all on CLOCK_MONOTONIC, the clock the X
// server stamps its events with:
//   press_to_sound record SOURCE FILE   records SOURCE (a null sink's monitor) until killed: per
//                                       read of 5 ms, the time the read returned, the recording's
//                                       own latency the server reports, and the samples
//   press_to_sound click                clicks the left button through XTest where the pointer
//                                       is; prints the times before sending and once the X
//                                       server has it (nanoseconds)
//   press_to_sound read FILE T...       for clicks at times T: the delay to the first sample of
//                                       sound, and the gaps (5 ms of silence) in the second that
//                                       the chord rings after it
// A read's time bounds its samples from above, so the delays can only come out too long, by at
// most what the monitor needs to hand a sample over at its quickest.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kBlock = kRate / 200; // 5 ms

struct Block {
    std::int64_t readNs; // when the read returned
    std::int64_t latencyNs; // the recording's latency at that read, as the server tells it
    std::int16_t samples[kBlock];
};

std::int64_t Now()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t { now.tv_sec } * 1000000000 + now.tv_nsec;
}

int Record(const char* source, const char* file)
{
    const pa_sample_spec spec { PA_SAMPLE_S16LE, kRate, 1 };
    pa_buffer_attr attr {};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = sizeof Block::samples;
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "press_to_sound", PA_STREAM_RECORD, source,
        "monitor", &spec, nullptr, &attr, &error);
    if (!stream) {
        std::fprintf(stderr, "record: %s\n", pa_strerror(error));
        return 1;
    }
    std::FILE* out = std::fopen(file, "wb");
    if (!out)
        return 1;
    Block block {};
    while (pa_simple_read(stream, block.samples, sizeof block.samples, &error) == 0) {
        block.readNs = Now();
        block.latencyNs = std::int64_t(pa_simple_get_latency(stream, &error)) * 1000;
        std::fwrite(&block, sizeof block, 1, out);
        std::fflush(out);
    }
    return 0;
}

int Click()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const std::int64_t before = Now();
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XSync(display, False);
    const std::int64_t had = Now();
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
    std::printf("%lld %lld\n", static_cast<long long>(before), static_cast<long long>(had));
    XCloseDisplay(display);
    return 0;
}

int Read(const char* file, int count, char** clicks)
{
    std::vector<Block> blocks;
    if (std::FILE* in = std::fopen(file, "rb")) {
        Block block;
        while (std::fread(&block, sizeof block, 1, in) == 1)
            blocks.push_back(block);
        std::fclose(in);
    }
    // A sample's time, on the recording's own clock laid over the monotonic one: every read
    // returns after its last sample was there, so the line of one sample per 1/44100 s that
    // touches the earliest reads from below is when each sample was there at the latest. The
    // line is drawn through the reads of the second around the sample, so that a pause in the
    // recording or the two clocks' drift cannot move it.
    const auto at = [&blocks](std::size_t b, int i) {
        std::int64_t offset = INT64_MAX;
        for (std::size_t r = b > 100 ? b - 100 : 0; r < std::min(blocks.size(), b + 100); ++r) {
            offset = std::min(offset,
                blocks[r].readNs
                    - (std::int64_t(r) - std::int64_t(b)) * kBlock * 1000000000 / kRate);
        }
        return offset - std::int64_t(kBlock - i) * 1000000000 / kRate;
    };
    const auto silent = [&blocks](std::size_t b) {
        double sum = 0;
        for (std::int16_t s : blocks[b].samples)
            sum += double(s) * s;
        return std::sqrt(sum / kBlock) < 32.768; // a thousandth of full scale
    };
    for (int c = 0; c < count; ++c) {
        const std::int64_t click = std::atoll(clicks[c]);
        std::size_t b = 0;
        int i = 0;
        bool found = false;
        // The phrase before has died away: the first loud sample read after the click is the
        // onset.
        for (; b < blocks.size() && !found; ++b) {
            for (i = 0; i < kBlock && !found && blocks[b].readNs >= click; ++i)
                found = std::abs(blocks[b].samples[i]) > 300;
        }
        if (!found) {
            std::printf("press %d: no sound\n", c + 1);
            continue;
        }
        --b;
        --i;
        // The chord rings for a second; its last 50 ms fade out.
        int gaps = 0;
        for (std::size_t g = b + 1; g < blocks.size() && g < b + 190; ++g)
            gaps += silent(g);
        std::printf("press %d: %.1f ms to sound, %d gaps (the recording reports its latency as "
                    "%.1f ms)\n",
            c + 1, double(at(b, i) - click) / 1e6, gaps, double(blocks[b].latencyNs) / 1e6);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && !std::strcmp(argv[1], "record"))
        return Record(argv[2], argv[3]);
    if (argc == 2 && !std::strcmp(argv[1], "click"))
        return Click();
    if (argc >= 3 && !std::strcmp(argv[1], "read"))
        return Read(argv[2], argc - 3, argv + 3);
    std::fputs("usage: press_to_sound record SOURCE FILE | click | read FILE TIMES...\n", stderr);
    return 2;
}
