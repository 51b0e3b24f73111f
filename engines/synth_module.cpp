#include "engines/module.h"

extern "C" __attribute__((visibility("default"))) sound::Synth* rurized_load_synth(
    const std::string& soundFont, sound::Trouble& why)
{
    return sound::Synth::Load(soundFont, why).release();
}
