// Whether this machine has a MIDI system that RtMidi could open ports on, told without loading
// it: the ALSA sequencer's device, or the socket of a JACK server (jackd's, or PipeWire's, which
// serves JACK clients too). Where there is neither, loading RtMidi only to hear so costs some
// 3 MB (libjack, starting its client, reads in Berkeley DB) and opens nothing.
#pragma once

#include <string>

namespace midi {

// Empty where a MIDI system may be there; else what is missing.
std::string WhyNoMidiSystem();

} // namespace midi
