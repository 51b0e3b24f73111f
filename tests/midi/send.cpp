// Plays into a MIDI input port like a keyboard: connects to the first port whose name contains
// PORT and sends the steps in order. Usage: midi_send PORT STEP...
// Steps: "on:60" and "off:60" (note on and off, channel 1), "wait:200" (milliseconds),
// "flood:10000" (that many note on and off messages, about fifty thousand a second), "junk" (bytes that are no
// MIDI message).
#include <rtmidi/RtMidi.h>

#include <chrono>
#include <memory>
#include <cstdio>
#include <string>
#include <thread>

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    // As the program does: the ALSA sequencer where it opens, else JACK.
    std::unique_ptr<RtMidiOut> opened;
    for (RtMidi::Api api : { RtMidi::LINUX_ALSA, RtMidi::UNIX_JACK }) {
        try {
            opened = std::make_unique<RtMidiOut>(api, "sender");
            break;
        } catch (const RtMidiError&) {
        }
    }
    if (!opened)
        return 1;
    try {
        RtMidiOut& out = *opened;
        unsigned port = 0;
        while (port < out.getPortCount() && out.getPortName(port).find(argv[1]) == std::string::npos)
            ++port;
        if (port == out.getPortCount()) {
            std::fprintf(stderr, "no port named %s\n", argv[1]);
            return 1;
        }
        out.openPort(port);
        const auto send = [&out](std::vector<unsigned char> message) { out.sendMessage(&message); };
        std::this_thread::sleep_for(std::chrono::milliseconds(500)); // JACK makes the connection some cycles later
        for (int i = 2; i < argc; ++i) {
            const std::string step = argv[i];
            const std::string verb = step.substr(0, step.find(':'));
            const int value = step.find(':') == std::string::npos ? 0 : std::stoi(step.substr(step.find(':') + 1));
            const auto note = static_cast<unsigned char>(value);
            if (verb == "on")
                send({ 0x90, note, 100 });
            else if (verb == "off")
                send({ 0x80, note, 0 });
            else if (verb == "wait")
                std::this_thread::sleep_for(std::chrono::milliseconds(value));
            else if (verb == "junk")
                send({ 0xF4, 0xFF, 0x00, 0x7F });
            // In bursts that JACK's buffer of one period holds: some fifty thousand a second.
            for (int n = 0; verb == "flood" && n < value; ++n) {
                send({ static_cast<unsigned char>(n % 2 ? 0x80 : 0x90), 64, 64 });
                if (n % 40 == 39)
                    std::this_thread::sleep_for(std::chrono::microseconds(800));
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100)); // let the last ones arrive
    } catch (const RtMidiError& error) {
        std::fprintf(stderr, "%s\n", error.getMessage().c_str());
        return 1;
    }
    return 0;
}
