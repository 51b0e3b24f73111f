// FluidSynth and RtMidi, with the many libraries each brings, live in two modules beside the
// program, each loaded on first use by the worker of the service that needs it: the launcher
// never waits for them, and sound switched off loads no synthesizer. The program hands these
// loaders to its sound and MIDI services.
#pragma once

#include "midi/ports.h"
#include "sound/synth.h"

#include <memory>
#include <string>

namespace engines {

// The modules' file names, beside the program.
inline constexpr const char* kSynthModule = "librurized_synth.so";
inline constexpr const char* kMidiModule = "librurized_midi.so";

// As sound::Synth::Load and midi::Ports::Open; when the module itself cannot load, why says so
// (for the synthesizer, as Trouble::NoEngine). The MIDI module is not loaded on a machine with
// no MIDI system (midi/systems.h).
std::unique_ptr<sound::Synth> LoadSynth(const std::string& soundFont, sound::Trouble& why);
std::unique_ptr<midi::Ports> OpenPorts(std::string& why);

} // namespace engines
