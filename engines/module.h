// The entry points of the two engine modules, found by name once a module is loaded.
#pragma once

#include "midi/ports.h"
#include "sound/synth.h"

#include <string>

extern "C" {
using rurized_load_synth_t = sound::Synth*(const std::string& soundFont, sound::Trouble& why);
using rurized_open_ports_t = midi::Ports*(std::string& why);
}
