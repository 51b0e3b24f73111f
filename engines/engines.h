// FluidSynth and RtMidi, with the many libraries they bring, live in one module beside the
// program that is loaded on first use, on the worker that opens sound or MIDI: the launcher
// never waits for them.
#pragma once

#include "midi/ports.h"
#include "sound/synth.h"

#include <memory>
#include <string>

namespace engines {

// The module's file name, beside the program.
inline constexpr const char* kModule = "librurized_engines.so";

// As sound::Synth::Load and midi::Ports::Open; when the module itself cannot load, why says so
// (for the synthesizer, as Trouble::NoEngine).
std::unique_ptr<sound::Synth> LoadSynth(const std::string& soundFont, sound::Trouble& why);
std::unique_ptr<midi::Ports> OpenPorts(std::string& why);

} // namespace engines
