#include "sound/pulseout.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <pthread.h>
#include <sched.h>

namespace sound {

namespace {

    class Stream final : public PulseOut {
    public:
        Stream(int rate, Render render, Events events)
            : render_(std::move(render))
            , events_(std::move(events))
        {
            format_ = { PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(rate), 2 };
        }
        ~Stream() override;
        Stream(const Stream&) = delete;
        Stream& operator=(const Stream&) = delete;

        bool Open();

    private:
        static void ContextState(pa_context* context, void* self);
        static void StreamState(pa_stream* stream, void* self);
        static void Write(pa_stream* stream, std::size_t bytes, void* self);
        static void Underflow(pa_stream* stream, void* self);
        static void Granted(pa_stream* stream, int success, void* self);
        // A buffer half as long again from now on, up to the longest.
        void Raise();
        // What the server granted, as the latency in force.
        void TellLatency();
        pa_buffer_attr Asked() const;

        Render render_;
        Events events_;
        pa_sample_spec format_ {};
        pa_threaded_mainloop* loop_ = nullptr;
        pa_context* context_ = nullptr;
        pa_stream* stream_ = nullptr;
        int bufferMs_ = kFirstMs;
        std::size_t tlength_ = 0; // the buffer's length in bytes, as granted
        bool started_ = false; // the buffer was filled once at its length
        bool raising_ = false; // a longer buffer asked for and not yet granted
        bool prioritized_ = false; // real-time priority asked for the rendering thread
        bool running_ = false; // ready once; a failure after that is a loss
    };

    pa_buffer_attr Stream::Asked() const
    {
        pa_buffer_attr attr;
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.tlength
            = static_cast<std::uint32_t>(pa_usec_to_bytes(bufferMs_ * PA_USEC_PER_MSEC, &format_));
        attr.prebuf = static_cast<std::uint32_t>(-1);
        attr.minreq = static_cast<std::uint32_t>(-1);
        attr.fragsize = static_cast<std::uint32_t>(-1);
        return attr;
    }

    bool Stream::Open()
    {
        loop_ = pa_threaded_mainloop_new();
        if (!loop_)
            return false;
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Rurized");
        if (!context_)
            return false;
        pa_context_set_state_callback(context_, ContextState, this);
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return false;
        pa_threaded_mainloop_lock(loop_);
        if (pa_threaded_mainloop_start(loop_) < 0) {
            pa_threaded_mainloop_unlock(loop_);
            return false;
        }
        pa_context_state_t state;
        while ((state = pa_context_get_state(context_)) != PA_CONTEXT_READY
            && PA_CONTEXT_IS_GOOD(state))
            pa_threaded_mainloop_wait(loop_);
        bool ready = state == PA_CONTEXT_READY;
        if (ready) {
            pa_channel_map map;
            pa_channel_map_init_stereo(&map);
            stream_ = pa_stream_new(context_, "Rurized", &format_, &map);
            ready = stream_ != nullptr;
        }
        if (ready) {
            pa_stream_set_state_callback(stream_, StreamState, this);
            pa_stream_set_write_callback(stream_, Write, this);
            pa_stream_set_underflow_callback(stream_, Underflow, this);
            const pa_buffer_attr attr = Asked();
            ready = pa_stream_connect_playback(
                        stream_, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr)
                == 0;
        }
        pa_stream_state_t streamState = PA_STREAM_FAILED;
        while (ready && (streamState = pa_stream_get_state(stream_)) != PA_STREAM_READY
            && PA_STREAM_IS_GOOD(streamState))
            pa_threaded_mainloop_wait(loop_);
        ready = ready && streamState == PA_STREAM_READY;
        running_ = ready;
        if (ready)
            TellLatency();
        pa_threaded_mainloop_unlock(loop_);
        return ready;
    }

    Stream::~Stream()
    {
        if (!loop_)
            return;
        pa_threaded_mainloop_lock(loop_);
        running_ = false;
        if (stream_) {
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pa_stream_set_underflow_callback(stream_, nullptr, nullptr);
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
        }
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }

    void Stream::ContextState(pa_context* context, void* self)
    {
        auto* out = static_cast<Stream*>(self);
        const pa_context_state_t state = pa_context_get_state(context);
        if (out->running_ && !PA_CONTEXT_IS_GOOD(state)) {
            out->running_ = false;
            if (out->events_.lost)
                out->events_.lost();
        }
        pa_threaded_mainloop_signal(out->loop_, 0);
    }

    void Stream::StreamState(pa_stream* stream, void* self)
    {
        auto* out = static_cast<Stream*>(self);
        if (out->running_ && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) {
            out->running_ = false;
            if (out->events_.lost)
                out->events_.lost();
        }
        pa_threaded_mainloop_signal(out->loop_, 0);
    }

    void Stream::Write(pa_stream* stream, std::size_t bytes, void* self)
    {
        auto* out = static_cast<Stream*>(self);
        // The thread that renders runs before other programs' work where the system allows it
        // (root, or a limit for real-time priority such as the audio group's), as FluidSynth's
        // own drivers do; elsewhere the growing buffer has to make up for it.
        if (!out->prioritized_) {
            out->prioritized_ = true;
            const sched_param priority { .sched_priority = 60 };
            pthread_setschedparam(pthread_self(), SCHED_FIFO, &priority);
        }
        // The server asks for what its buffer misses: asked for three quarters of it, the
        // buffer nearly ran out. Raise it before the machine's next hiccup is heard as a gap.
        if (!out->raising_ && out->started_ && bytes * 4 > out->tlength_ * 3)
            out->Raise();
        out->started_ = true;
        while (bytes > 0) {
            void* data = nullptr;
            std::size_t size = bytes;
            if (pa_stream_begin_write(stream, &data, &size) < 0 || !data)
                return;
            const std::size_t frames = std::min(size, bytes) / pa_frame_size(&out->format_);
            if (frames == 0) {
                pa_stream_cancel_write(stream);
                return;
            }
            out->render_(static_cast<float*>(data), static_cast<int>(frames));
            const std::size_t written = frames * pa_frame_size(&out->format_);
            pa_stream_write(stream, data, written, nullptr, 0, PA_SEEK_RELATIVE);
            bytes -= std::min(bytes, written);
        }
    }

    // The server ran out of sound.
    void Stream::Underflow(pa_stream*, void* self) { static_cast<Stream*>(self)->Raise(); }

    void Stream::Raise()
    {
        if (raising_ || bufferMs_ >= kLongestMs)
            return;
        bufferMs_ = std::min(bufferMs_ * 3 / 2, kLongestMs);
        const pa_buffer_attr attr = Asked();
        if (pa_operation* operation = pa_stream_set_buffer_attr(stream_, &attr, Granted, this)) {
            raising_ = true;
            pa_operation_unref(operation);
        }
    }

    void Stream::Granted(pa_stream*, int success, void* self)
    {
        auto* out = static_cast<Stream*>(self);
        out->raising_ = false;
        out->started_ = false; // the next request is for the longer buffer
        if (success)
            out->TellLatency();
    }

    void Stream::TellLatency()
    {
        const pa_buffer_attr* attr = pa_stream_get_buffer_attr(stream_);
        if (!attr)
            return;
        tlength_ = attr->tlength;
        if (events_.latency)
            events_.latency(
                static_cast<int>(pa_bytes_to_usec(attr->tlength, &format_) / PA_USEC_PER_MSEC));
    }

} // namespace

std::unique_ptr<PulseOut> PulseOut::Open(int rate, Render render, Events events)
{
    auto stream = std::make_unique<Stream>(rate, std::move(render), std::move(events));
    if (!stream->Open())
        return nullptr;
    return stream;
}

} // namespace sound
