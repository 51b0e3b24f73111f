#include "midi/heldkeys.h"

namespace midi {

bool HeldKeys::Feed(const unsigned char* bytes, std::size_t count)
{
    if (count < 3 || bytes[1] > 127 || bytes[2] > 127)
        return false;
    const std::bitset<128> before = keys_;
    const int status = bytes[0] & 0xF0;
    const int key = bytes[1];
    if (status == 0x90 && bytes[2] > 0)
        keys_.set(static_cast<std::size_t>(key));
    else if (status == 0x80 || status == 0x90)
        keys_.reset(static_cast<std::size_t>(key));
    else if (status == 0xB0 && (key == 120 || key == 123))
        keys_.reset();
    return keys_ != before;
}

std::vector<int> HeldKeys::Notes() const
{
    std::vector<int> notes;
    for (std::size_t key = 0; key < keys_.size(); ++key) {
        if (keys_[key])
            notes.push_back(static_cast<int>(key));
    }
    return notes;
}

} // namespace midi
