// The synthesizer: FluidSynth with one General MIDI SoundFont, playing phrases on channel 1
// through the desktop's sound server, or rendering them to memory. No Qt.
#pragma once

#include "theory/playback.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_sequencer_t;
struct _fluid_audio_driver_t;

namespace sound {

// Why no sound comes out.
enum class Trouble { None, NoSoundFont, BadSoundFont, NoOutput, OutputLost, SwitchedOff };

// Where Debian's General MIDI SoundFont is found.
inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

class Synth {
public:
    static constexpr int kSampleRate = 44100;

    // Loads soundFont ("" for the system's default) without opening any output; nullptr with
    // the reason in why when the file is missing or is no SoundFont.
    static std::unique_ptr<Synth> Load(const std::string& soundFont, Trouble& why);
    ~Synth();
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    // Opens the output: the desktop's sound server (PulseAudio, or PipeWire's Pulse service),
    // else ALSA, else JACK. False when none opens.
    bool Connect();
    bool Connected() const { return driver_ != nullptr; }
    // Closes the output, after the server went away, say; Connect may open it again.
    void Disconnect();

    // Called on the output's own thread when the output fails while connected (the server went
    // away): the next press should connect again.
    static void OnOutputError(std::function<void()> call);

    // General MIDI program 0..127 (0 the grand piano) and volume 0..100.
    void SetProgram(int program);
    void SetVolume(int volume);

    // Silences what still rings and plays phrase from now.
    void Play(const theory::Phrase& phrase);
    void Silence();

    // Without an output: the next frames of sound, left and right, as the speakers would get
    // them; the phrases advance with them.
    void Render(float* left, float* right, int frames);

    // The SoundFont's instruments of the melodic bank, by program number; "" where it has none.
    std::vector<std::string> Instruments() const;

private:
    Synth() = default;

    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_sequencer_t* sequencer_ = nullptr;
    _fluid_audio_driver_t* driver_ = nullptr;
    short destination_ = -1;
    int fontId_ = -1;
};

} // namespace sound
