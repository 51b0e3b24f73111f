// The program's MIDI client "Rurized" with its ports "in" and "out", through RtMidi: the ALSA
// sequencer where it opens, else JACK. No Qt; an interface, so that the program loads the MIDI
// library only once the launcher is up.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace midi {

class Ports {
public:
    // Opens both ports; nullptr with the reason in why (in English, as the MIDI system gives it)
    // when neither the ALSA sequencer nor a JACK server is there. The program reaches this
    // through the opener it hands to its MIDI service, which loads the library first.
    static std::unique_ptr<Ports> Open(std::string& why);
    virtual ~Ports() = default;

    // "ALSA" or "JACK".
    virtual std::string System() const = 0;

    // The other programs' and devices' MIDI outputs that the input can be connected to.
    virtual std::vector<std::string> Devices() = 0;
    // Connects the device port named device to the program's input (at most one at a time);
    // "" only disconnects. False when there is no such port.
    virtual bool ConnectInput(const std::string& device) = 0;

    // Called on the MIDI system's own thread whenever the held keys change; Held() is then
    // already the new set. Once this returns, the call it replaces is not running and never
    // runs again. The call must not call back into the ports.
    virtual void OnHeldChanged(std::function<void()> call) = 0;
    virtual std::vector<int> Held() const = 0;

    virtual void Send(const std::vector<unsigned char>& message) = 0;
};

// What the MIDI service opens its ports with, handed in from above.
using PortsOpener = std::function<std::unique_ptr<Ports>(std::string& why)>;

} // namespace midi
