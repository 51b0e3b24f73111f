// The synthesizer: FluidSynth with one General MIDI SoundFont, playing phrases on channel 1
// through the desktop's sound server, or rendering them to memory. No Qt; an interface, so that
// the program loads FluidSynth only when it first needs it, and its tests can stand in for it.
#pragma once

#include "theory/playback.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sound {

// Why no sound comes out.
enum class Trouble { None, NoEngine, NoSoundFont, BadSoundFont, NoOutput, OutputLost, SwitchedOff };

// Where Debian's General MIDI SoundFont is found.
inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

class Synth {
public:
    static constexpr int kSampleRate = 44100;

    // Loads soundFont ("" for the system's default) without opening any output; nullptr with
    // the reason in why when the file is missing or is no SoundFont. The program reaches this
    // through the loader it hands to its sound service, which loads the library first.
    static std::unique_ptr<Synth> Load(const std::string& soundFont, Trouble& why);
    virtual ~Synth() = default;

    // Opens the output: a running JACK server, else the desktop's sound server (PulseAudio, or
    // PipeWire's Pulse service), else ALSA. False when none opens.
    virtual bool Connect() = 0;
    virtual bool Connected() const = 0;
    // Closes the output, after the server went away, say; Connect may open it again.
    virtual void Disconnect() = 0;

    // Called on the output's own thread when the output fails while connected (the server went
    // away): the next press should connect again.
    virtual void OnOutputError(std::function<void()> call) = 0;

    // The delay the output adds to a press, in milliseconds, as it stands now: it grows when the
    // machine cannot keep up. 0 while unconnected or where the output does not tell.
    virtual int LatencyMs() const = 0;
    // Called on the output's own thread whenever LatencyMs changes.
    virtual void OnLatencyChanged(std::function<void()> call) = 0;

    // General MIDI program 0..127 (0 the grand piano) and volume 0..100.
    virtual void SetProgram(int program) = 0;
    virtual void SetVolume(int volume) = 0;

    // Silences what still rings and plays phrase from now.
    virtual void Play(const theory::Phrase& phrase) = 0;
    virtual void Silence() = 0;

    // Without an output: the next frames of sound, left and right, as the speakers would get
    // them; the phrases advance with them.
    virtual void Render(float* left, float* right, int frames) = 0;

    // The SoundFont's instruments of the melodic bank, by program number; "" where it has none.
    virtual std::vector<std::string> Instruments() const = 0;
};

// What the sound service loads its synthesizer with, handed in from above.
using SynthLoader
    = std::function<std::unique_ptr<Synth>(const std::string& soundFont, Trouble& why)>;

} // namespace sound
