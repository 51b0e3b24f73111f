// The keys held down on a MIDI keyboard, followed message by message. Plain C++: no Qt, no
// MIDI library, so any bytes can be fed to it.
#pragma once

#include <bitset>
#include <cstddef>
#include <vector>

namespace midi {

class HeldKeys {
public:
    // Takes one message as it arrived; true when the held keys changed. Note on and off on any
    // channel (a note on with velocity 0 is a note off), All Notes Off and All Sound Off clear
    // every key; anything else, and bytes that are no MIDI, change nothing.
    bool Feed(const unsigned char* bytes, std::size_t count);

    // The held notes, lowest first.
    std::vector<int> Notes() const;
    bool Empty() const { return keys_.none(); }

private:
    std::bitset<128> keys_;
};

} // namespace midi
