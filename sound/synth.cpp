#include "sound/synth.h"

#include "sound/pulseout.h"

#include <fluidsynth.h>
#include <jack/jack.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <mutex>
#include <sys/stat.h>

namespace sound {

namespace {

    // FluidSynth reports through one process-wide log. Errors go to the output's watcher; nothing
    // reaches the terminal, since every failure is told through the play buttons instead.
    struct Log {
        std::mutex mutex;
        std::function<void()> onOutputError;
        std::function<void()> onLatencyChanged;
        bool connected = false;
    };

    Log& TheLog()
    {
        static Log log;
        return log;
    }

    // Calls one of the log's watchers while an output is connected.
    void Tell(std::function<void()> Log::*watcher)
    {
        Log& log = TheLog();
        std::function<void()> call;
        {
            std::lock_guard lock(log.mutex);
            if (log.connected)
                call = log.*watcher;
        }
        if (call)
            call();
    }

    void Report(int level, const char*, void*)
    {
        if (level <= FLUID_ERR)
            Tell(&Log::onOutputError);
    }

    void CaptureLog()
    {
        static std::once_flag once;
        std::call_once(once, [] {
            for (int level : { FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG })
                fluid_set_log_function(level, Report, nullptr);
            // The JACK library's own words, when no server runs, are no fault of the program.
            jack_set_error_function([](const char*) {});
            jack_set_info_function([](const char*) {});
        });
    }

    void SetConnected(bool connected)
    {
        std::lock_guard lock(TheLog().mutex);
        TheLog().connected = connected;
    }

    constexpr int kChannel = 0;
    constexpr int kVelocity = 96;

    class FluidSynth final : public Synth {
    public:
        FluidSynth() = default;
        ~FluidSynth() override;
        FluidSynth(const FluidSynth&) = delete;
        FluidSynth& operator=(const FluidSynth&) = delete;

        bool Connect() override;
        bool Connected() const override { return driver_ || pulse_; }
        void Disconnect() override;
        void OnOutputError(std::function<void()> call) override;
        int LatencyMs() const override { return latencyMs_; }
        void OnLatencyChanged(std::function<void()> call) override;
        void SetProgram(int program) override;
        void SetVolume(int volume) override;
        void Play(const theory::Phrase& phrase) override;
        void Silence() override;
        void Render(float* left, float* right, int frames) override;
        std::vector<std::string> Instruments() const override;

        fluid_settings_t* settings_ = nullptr;
        fluid_synth_t* synth_ = nullptr;
        fluid_sequencer_t* sequencer_ = nullptr;
        fluid_audio_driver_t* driver_ = nullptr;
        std::unique_ptr<PulseOut> pulse_;
        std::atomic<int> latencyMs_ = 0;
        fluid_seq_id_t destination_ = -1;
        int fontId_ = -1;
    };

} // namespace

std::unique_ptr<Synth> Synth::Load(const std::string& soundFont, Trouble& why)
{
    CaptureLog();
    const std::string path = soundFont.empty() ? kDefaultSoundFont : soundFont;
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        why = Trouble::NoSoundFont;
        return nullptr;
    }
    auto synth = std::make_unique<FluidSynth>();
    synth->settings_ = new_fluid_settings();
    fluid_settings_setnum(synth->settings_, "synth.sample-rate", kSampleRate);
    // FluidSynth's own PulseAudio driver renders a whole period, then blocks while the server
    // takes it: a press waited a median 42 ms at 2048 frames (scripts/bench-sound), and 512
    // frames broke up with both cores busy. The desktop's sound server is fed on its own
    // request instead (PulseOut: 13 to 38 ms at idle, no gap when busy) and JACK in its own
    // cycles (21 ms to the speakers at 256 frames). Only ALSA's driver, the last resort,
    // renders periods ahead: two of 1024 frames (46 ms).
    fluid_settings_setint(synth->settings_, "audio.period-size", 1024);
    fluid_settings_setint(synth->settings_, "audio.periods", 2);
    // Under JACK the program's ports are connected to the speakers, as a sound server would.
    fluid_settings_setint(synth->settings_, "audio.jack.autoconnect", 1);
    fluid_settings_setstr(synth->settings_, "audio.jack.id", "Rurized");
    // synth.dynamic-sample-loading would keep 5.6 MB of TimGM6mb out of memory, but it reads
    // an instrument's samples when the instrument is chosen, on the thread that chooses it,
    // while the output waits for the synthesizer: a change of instrument could cost a gap.
    synth->synth_ = new_fluid_synth(synth->settings_);
    synth->fontId_ = fluid_synth_sfload(synth->synth_, path.c_str(), 1);
    if (synth->fontId_ == FLUID_FAILED) {
        why = Trouble::BadSoundFont;
        return nullptr;
    }
    // The sequencer's clock is the synthesizer's own sample count, so a phrase keeps its timing
    // to the sample, played live or rendered to memory.
    synth->sequencer_ = new_fluid_sequencer2(0);
    synth->destination_ = fluid_sequencer_register_fluidsynth(synth->sequencer_, synth->synth_);
    synth->SetVolume(80);
    return synth;
}

FluidSynth::~FluidSynth()
{
    Disconnect();
    if (sequencer_)
        delete_fluid_sequencer(sequencer_);
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

bool FluidSynth::Connect()
{
    if (Connected())
        return true;
    // A running JACK server is the musician's choice and the shortest way out (its own cycle, a
    // few milliseconds); a missing one must not be started behind the user's back.
    ::setenv("JACK_NO_START_SERVER", "1", 0);
    const auto open = [this](const char* name) {
        fluid_settings_setstr(settings_, "audio.driver", name);
        driver_ = new_fluid_audio_driver(settings_, synth_);
        return driver_ != nullptr;
    };
    if (!open("jack")) {
        pulse_ = PulseOut::Open(kSampleRate,
            [this](float* stereo, int frames) {
                fluid_synth_write_float(synth_, frames, stereo, 0, 2, stereo, 1, 2);
            },
            { .latency =
                    [this](int ms) {
                        latencyMs_ = ms;
                        Tell(&Log::onLatencyChanged);
                    },
                .lost = [] { Tell(&Log::onOutputError); } });
        if (!pulse_ && open("alsa"))
            latencyMs_ = 2 * 1024 * 1000 / kSampleRate;
    }
    if (Connected())
        SetConnected(true);
    return Connected();
}

void FluidSynth::Disconnect()
{
    SetConnected(false);
    pulse_.reset();
    if (driver_)
        delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
    latencyMs_ = 0;
}

void FluidSynth::OnLatencyChanged(std::function<void()> call)
{
    std::lock_guard lock(TheLog().mutex);
    TheLog().onLatencyChanged = std::move(call);
}

void FluidSynth::OnOutputError(std::function<void()> call)
{
    std::lock_guard lock(TheLog().mutex);
    TheLog().onOutputError = std::move(call);
}

void FluidSynth::SetProgram(int program)
{
    fluid_synth_program_change(synth_, kChannel, std::clamp(program, 0, 127));
}

void FluidSynth::SetVolume(int volume)
{
    // FluidSynth's own default gain is 0.2; full volume is two and a half times that.
    fluid_synth_set_gain(synth_, 0.5f * static_cast<float>(std::clamp(volume, 0, 100)) / 100.f);
}

void FluidSynth::Silence()
{
    fluid_sequencer_remove_events(sequencer_, -1, destination_, -1);
    fluid_synth_all_sounds_off(synth_, kChannel);
}

void FluidSynth::Play(const theory::Phrase& phrase)
{
    Silence();
    fluid_event_t* event = new_fluid_event();
    fluid_event_set_source(event, -1);
    fluid_event_set_dest(event, destination_);
    for (const theory::PlayedNotes& played : phrase) {
        for (int note : played.notes) {
            fluid_event_noteon(event, kChannel, static_cast<short>(note), kVelocity);
            fluid_sequencer_send_at(sequencer_, event, static_cast<unsigned>(played.startMs), 0);
            fluid_event_noteoff(event, kChannel, static_cast<short>(note));
            fluid_sequencer_send_at(
                sequencer_, event, static_cast<unsigned>(played.startMs + played.lengthMs), 0);
        }
    }
    delete_fluid_event(event);
}

void FluidSynth::Render(float* left, float* right, int frames)
{
    fluid_synth_write_float(synth_, frames, left, 0, 1, right, 0, 1);
}

std::vector<std::string> FluidSynth::Instruments() const
{
    std::vector<std::string> names(128);
    fluid_sfont_t* font = fluid_synth_get_sfont_by_id(synth_, fontId_);
    if (!font)
        return names;
    fluid_sfont_iteration_start(font);
    while (fluid_preset_t* preset = fluid_sfont_iteration_next(font)) {
        const int program = fluid_preset_get_num(preset);
        if (fluid_preset_get_banknum(preset) == 0 && program >= 0 && program < 128)
            names[static_cast<std::size_t>(program)] = fluid_preset_get_name(preset);
    }
    return names;
}

} // namespace sound
