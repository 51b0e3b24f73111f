// The parts of scripts/bench-sound that need exact times, all on CLOCK_MONOTONIC, the clock the X
// server stamps its events with:
//   press_to_sound record SOURCE FILE   records SOURCE (a null sink's monitor) until killed: per
//                                       read of 5 ms, the time the read returned, the recording's
//                                       own latency the server reports, and the samples
//   press_to_sound record-jack FILE     the same from a running JACK server: its input port
//                                       "press_to_sound:in", each sample stamped with the time
//                                       its cycle ran, until SIGTERM
//   press_to_sound click                clicks the left button through XTest where the pointer
//                                       is; prints the times before sending and once the X
//                                       server has it (nanoseconds)
//   press_to_sound read FILE T...       for clicks at times T: the delay to the first sample of
//                                       sound, and the gaps (5 ms of silence) in the second that
//                                       the chord rings after it
//   press_to_sound read-jack FILE T...  the same for a recording from JACK
// A read's time bounds its samples from above, so the delays can only come out too long, by at
// most what the monitor needs to hand a sample over at its quickest.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <jack/jack.h>
#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kBlock = kRate / 200; // 5 ms

struct Block {
    std::int64_t readNs; // when the read returned
    std::int64_t latencyNs; // the recording's latency at that read, as the server tells it
    // From JACK, a block's samples before laterFrom came in the cycle before the one that
    // completed it (readNs), which ran at earlierNs.
    std::int64_t earlierNs = 0;
    std::int32_t laterFrom = 0;
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
    const pa_sample_spec format { PA_SAMPLE_S16LE, kRate, 1 };
    pa_buffer_attr attr {};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = sizeof Block::samples;
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "press_to_sound", PA_STREAM_RECORD, source,
        "monitor", &format, nullptr, &attr, &error);
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

// What the JACK recorder keeps, filled on JACK's thread: room for ten minutes.
struct Tape {
    jack_client_t* client = nullptr;
    jack_port_t* port = nullptr;
    std::vector<Block> blocks = std::vector<Block>(10 * 60 * 200);
    std::atomic<std::size_t> filled { 0 }; // whole blocks
    std::size_t sample = 0; // within the block being filled
    std::int64_t lastRanNs = 0; // when the cycle before ran
};

std::atomic<bool> stop { false };

int RecordJack(const char* file)
{
    static Tape tape;
    tape.client = jack_client_open("press_to_sound", JackNoStartServer, nullptr);
    if (!tape.client || jack_get_sample_rate(tape.client) != kRate) {
        std::fputs("record-jack: no JACK server at 44100 Hz\n", stderr);
        return 1;
    }
    tape.port = jack_port_register(tape.client, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(
        tape.client,
        [](jack_nframes_t frames, void*) {
            // Not the cycle's nominal time (its frames' time), which a late cycle has passed
            // already, so that a press made meanwhile and sounding in it would seem to sound
            // before it was made: the samples are in the graph when the cycle runs.
            const std::int64_t ranNs = Now();
            const auto* in = static_cast<const float*>(jack_port_get_buffer(tape.port, frames));
            if (tape.sample > 0 && tape.filled < tape.blocks.size()) {
                Block& started = tape.blocks[tape.filled];
                started.earlierNs = tape.lastRanNs;
                started.laterFrom = static_cast<std::int32_t>(tape.sample);
            }
            tape.lastRanNs = ranNs;
            for (jack_nframes_t f = 0; f < frames; ++f) {
                const std::size_t b = tape.filled;
                if (b == tape.blocks.size())
                    return 0;
                Block& block = tape.blocks[b];
                if (tape.sample == 0)
                    block.laterFrom = 0;
                block.samples[tape.sample]
                    = static_cast<std::int16_t>(std::clamp(in[f], -1.f, 1.f) * 32767);
                if (++tape.sample == kBlock) {
                    block.readNs = ranNs;
                    block.latencyNs = 0;
                    tape.sample = 0;
                    tape.filled = b + 1;
                }
            }
            return 0;
        },
        nullptr);
    std::signal(SIGTERM, [](int) { stop = true; });
    if (jack_activate(tape.client) != 0)
        return 1;
    // The file says it runs once the first block is in.
    std::FILE* out = std::fopen(file, "wb");
    if (!out)
        return 1;
    std::size_t written = 0;
    while (!stop) {
        ::usleep(20000);
        for (const std::size_t filled = tape.filled; written < filled; ++written)
            std::fwrite(&tape.blocks[written], sizeof(Block), 1, out);
        std::fflush(out);
    }
    jack_client_close(tape.client);
    std::fclose(out);
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

int Read(const char* file, bool fromJack, int count, char** clicks)
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
    // From JACK each sample has its cycle's time (a period shorter than a block gives the
    // samples of a middle cycle the later time, too late by one period at most).
    const auto at = [&blocks, fromJack](std::size_t b, int i) {
        if (fromJack)
            return i < blocks[b].laterFrom ? blocks[b].earlierNs : blocks[b].readNs;
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
    if (argc == 3 && !std::strcmp(argv[1], "record-jack"))
        return RecordJack(argv[2]);
    if (argc == 2 && !std::strcmp(argv[1], "click"))
        return Click();
    if (argc >= 3 && !std::strcmp(argv[1], "read"))
        return Read(argv[2], false, argc - 3, argv + 3);
    if (argc >= 3 && !std::strcmp(argv[1], "read-jack"))
        return Read(argv[2], true, argc - 3, argv + 3);
    std::fputs("usage: press_to_sound record SOURCE FILE | record-jack FILE | click | "
               "read[-jack] FILE TIMES...\n",
        stderr);
    return 2;
}
