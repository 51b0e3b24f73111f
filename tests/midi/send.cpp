// Plays into a JACK MIDI input port like a keyboard: connects to the first port whose name
// contains PORT and sends the steps in order. Usage: midi_send PORT STEP...
// Steps: "on:60" and "off:60" (note on and off, channel 1), "wait:200" (milliseconds),
// "flood:10000" (that many note on and off messages, then bytes that are no MIDI message).
#include <rtmidi/RtMidi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    using std::chrono::milliseconds, std::this_thread::sleep_for;
    // RtMidi throws its errors; std::terminate prints them.
    RtMidiOut out(RtMidi::UNIX_JACK, "sender");
    unsigned port = 0;
    while (port < out.getPortCount() && out.getPortName(port).find(argv[1]) == std::string::npos)
        ++port;
    if (port == out.getPortCount()) {
        std::fprintf(stderr, "no port named %s\n", argv[1]);
        return 1;
    }
    out.openPort(port);
    const auto send = [&out](std::vector<unsigned char> message) { out.sendMessage(&message); };
    sleep_for(milliseconds(500)); // JACK makes the connection some cycles later
    for (int i = 2; i < argc; ++i) {
        const std::string step = argv[i], verb = step.substr(0, step.find(':'));
        const int value = verb == step ? 0 : std::stoi(step.substr(verb.size() + 1));
        const auto note = static_cast<unsigned char>(value);
        if (verb == "on")
            send({ 0x90, note, 100 });
        else if (verb == "off")
            send({ 0x90, note, 0 }); // as most keyboards send a note off
        else if (verb == "wait")
            sleep_for(milliseconds(value));
        // In bursts that JACK's buffer of one period holds: some fifty thousand a second.
        for (int n = 0; verb == "flood" && n < value; ++n) {
            send({ static_cast<unsigned char>(n % 2 ? 0x80 : 0x90), 64, 64 });
            if (n % 40 == 39)
                sleep_for(std::chrono::microseconds(800));
        }
        if (verb == "flood")
            send({ 0xF4, 0xFF, 0x00, 0x7F });
    }
    sleep_for(milliseconds(100)); // let the last ones arrive
    return 0;
}
