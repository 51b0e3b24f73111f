// A playback stream on the desktop's sound server (PulseAudio, or PipeWire's Pulse service) that
// renders on the server's request, in the blocks it asks for, instead of a whole period ahead:
// a press waits for the stream's short buffer only. The buffer starts short and grows by half at
// every underrun, or when the server asks for so much that one nearly happened, and keeps its
// length for the rest of the session. No Qt.
#pragma once

#include <functional>
#include <memory>

namespace sound {

class PulseOut {
public:
    // Fills frames of interleaved stereo; called on the stream's own thread.
    using Render = std::function<void(float* stereo, int frames)>;
    // Called on the stream's own thread: the latency now in force, in milliseconds, once the
    // stream runs and after every step up; and the server's loss.
    struct Events {
        std::function<void(int ms)> latency;
        std::function<void()> lost;
    };

    // The buffer's first length and the longest it may grow to, in milliseconds.
    static constexpr int kFirstMs = 10;
    static constexpr int kLongestMs = 160;

    // nullptr when no server answers (none is ever started for this).
    static std::unique_ptr<PulseOut> Open(int rate, Render render, Events events);
    virtual ~PulseOut() = default;
};

} // namespace sound
