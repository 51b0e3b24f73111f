// The two entry points of the engines module, found by name once it is loaded.
#pragma once

#include "midi/ports.h"
#include "sound/synth.h"

#include <string>

extern "C" {
using rurized_load_synth_t = sound::Synth*(const std::string& soundFont, sound::Trouble& why);
using rurized_open_ports_t = midi::Ports*(std::string& why);
}
