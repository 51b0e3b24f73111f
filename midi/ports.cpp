#include "midi/ports.h"

#include "midi/heldkeys.h"

#include <rtmidi/RtMidi.h>

#include <atomic>
#include <mutex>

namespace midi {

namespace {

constexpr const char* kClient = "Rurized";

// RtMidi reports through exceptions or, once a callback is set, through the callback alone;
// a warning (a JACK server that is not running) must not reach the terminal either.
void Quiet(RtMidiError::Type, const std::string&, void* failed)
{
    static_cast<std::atomic<bool>*>(failed)->store(true);
}

template <class Port> std::unique_ptr<Port> Make(RtMidi::Api api, std::atomic<bool>& failed)
{
    auto port = std::make_unique<Port>(api, kClient);
    port->setErrorCallback(Quiet, &failed);
    return port;
}

class RtMidiPorts final : public Ports {
public:
    ~RtMidiPorts() override;
    std::string System() const override { return system_; }
    std::vector<std::string> Devices() override;
    bool ConnectInput(const std::string& device) override;
    void OnHeldChanged(std::function<void()> call) override;
    std::vector<int> Held() const override;
    void Send(const std::vector<unsigned char>& message) override;

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

} // namespace

std::unique_ptr<Ports> Ports::Open(std::string& why)
{
    const std::pair<RtMidi::Api, const char*> systems[]
        = { { RtMidi::LINUX_ALSA, "ALSA" }, { RtMidi::UNIX_JACK, "JACK" } };
    for (const auto& [api, name] : systems) {
        try {
            auto ports = std::make_unique<RtMidiPorts>();
            ports->in_ = Make<RtMidiIn>(api, ports->failed_);
            ports->out_ = Make<RtMidiOut>(api, ports->failed_);
            ports->in_->openVirtualPort("in");
            ports->out_->openVirtualPort("out");
            if (ports->failed_) { // JACK warns, rather than throws, when no server runs
                why = std::string(name) + ": no server";
                continue;
            }
            ports->system_ = name;
            ports->in_->ignoreTypes(true, true, true);
            ports->in_->setCallback(&RtMidiPorts::Received, ports.get());
            return ports;
        } catch (const RtMidiError& error) {
            why = error.getMessage();
        }
    }
    return nullptr;
}

RtMidiPorts::~RtMidiPorts()
{
    if (in_)
        in_->cancelCallback();
    if (device_)
        device_->cancelCallback();
}

std::vector<std::string> RtMidiPorts::Devices()
{
    std::vector<std::string> names;
    const unsigned count = in_->getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        const std::string name = in_->getPortName(i);
        if (name.rfind(kClient, 0) != 0) // the program's own output is no device
            names.push_back(name);
    }
    return names;
}

bool RtMidiPorts::ConnectInput(const std::string& device)
{
    if (device_) {
        device_->cancelCallback();
        device_.reset();
    }
    if (device.empty())
        return true;
    const unsigned count = in_->getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        if (in_->getPortName(i) != device)
            continue;
        try {
            failed_ = false;
            device_ = Make<RtMidiIn>(in_->getCurrentApi(), failed_);
            device_->ignoreTypes(true, true, true);
            device_->setCallback(&RtMidiPorts::Received, this);
            device_->openPort(i, "in");
            if (!failed_)
                return true;
        } catch (const RtMidiError&) {
        }
        device_.reset();
        return false;
    }
    return false;
}

void RtMidiPorts::OnHeldChanged(std::function<void()> call)
{
    std::lock_guard lock(mutex_);
    onHeldChanged_ = std::move(call);
}

std::vector<int> RtMidiPorts::Held() const
{
    std::lock_guard lock(mutex_);
    return held_.Notes();
}

void RtMidiPorts::Received(double, std::vector<unsigned char>* message, void* self)
{
    auto* ports = static_cast<RtMidiPorts*>(self);
    // Called under the lock, so that once OnHeldChanged has replaced it, the old call is over and
    // never made again: the service it reaches may be gone.
    std::lock_guard lock(ports->mutex_);
    if (!message || !ports->held_.Feed(message->data(), message->size()))
        return;
    if (ports->onHeldChanged_)
        ports->onHeldChanged_();
}

void RtMidiPorts::Send(const std::vector<unsigned char>& message)
{
    try {
        out_->sendMessage(&message);
    } catch (const RtMidiError&) {
        // A port that went away loses the message; the next play tries again.
    }
}

} // namespace midi
