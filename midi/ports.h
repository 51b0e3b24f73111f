// The program's MIDI client "Rurized" with its ports "in" and "out", through RtMidi: the ALSA
// sequencer where it opens, else JACK. No Qt.
#pragma once

#include "midi/heldkeys.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class RtMidiIn;
class RtMidiOut;

namespace midi {

class Ports {
public:
    // Opens both ports; nullptr with the reason in why (in English, as the MIDI system gives it)
    // when neither the ALSA sequencer nor a JACK server is there.
    static std::unique_ptr<Ports> Open(std::string& why);
    ~Ports();

    // "ALSA" or "JACK".
    std::string System() const { return system_; }

    // The other programs' and devices' MIDI outputs that the input can be connected to.
    std::vector<std::string> Devices();
    // Connects the device port named device to the program's input (at most one at a time);
    // "" only disconnects. False when there is no such port.
    bool ConnectInput(const std::string& device);

    // Called on the MIDI system's own thread whenever the held keys change; Held() is then
    // already the new set.
    void OnHeldChanged(std::function<void()> call);
    std::vector<int> Held() const;

    void Send(const std::vector<unsigned char>& message);

private:
    Ports() = default;
    static void Received(double, std::vector<unsigned char>* message, void* ports);

    std::string system_;
    std::unique_ptr<RtMidiIn> in_;
    std::unique_ptr<RtMidiIn> device_; // a second input client, connected to a device port
    std::unique_ptr<RtMidiOut> out_;
    std::atomic<bool> failed_ { false }; // set by RtMidi's error callback, on any thread
    mutable std::mutex mutex_;
    HeldKeys held_;
    std::function<void()> onHeldChanged_;
};

} // namespace midi
