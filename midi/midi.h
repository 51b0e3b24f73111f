// The program's MIDI: its ports opened on a worker after start-up, the keys held on a keyboard
// reported to the windows, and plays sent out on a channel.
#pragma once

#include "midi/ports.h"
#include "shell/player.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// The settings file's section "Midi".
struct MidiSettings {
    int out = 0; // 0 the built-in synthesizer only, 1 the MIDI output as well, 2 the output only
    int channel = 1; // 1..16
    std::string input; // a device port connected at start; "" none
    bool operator==(const MidiSettings&) const = default;
};
MidiSettings ReadMidiSettings();
void WriteMidiSettings(const MidiSettings& settings);

class Midi : public Player {
    Q_OBJECT

public:
    // open opens the ports, on the worker.
    explicit Midi(midi::PortsOpener open);
    // Silences the output (note-offs for what still sounds, then All Notes Off) and closes.
    ~Midi() override;

    // Opens the ports on a worker; the settings' input device is connected then.
    void Start();

    // Sends phrase to the output on the chosen channel, silencing what still sounds first.
    void Play(const theory::Phrase& phrase) override;

    const MidiSettings& Settings() const { return settings_; }
    void Apply(const MidiSettings& settings);

    // "ALSA" or "JACK" once open; else why MIDI is missing, in the interface's language.
    QString Status() const;
    QStringList Devices();

signals:
    // The keys held now, lowest first: at most once per turn of the event loop, however many
    // messages arrive.
    void HeldChanged(const std::vector<int>& held);
    void Opened();

private:
    void PortsOpened(std::shared_ptr<midi::Ports> ports, std::string why);
    void SendDue();
    void Silence();

    struct Event {
        int atMs;
        bool on;
        int note;
    };

    midi::PortsOpener open_;
    MidiSettings settings_;
    std::shared_ptr<midi::Ports> ports_;
    std::thread worker_;
    bool opening_ = false;
    QString status_;
    std::atomic<bool> heldPosted_ { false };
    std::vector<Event> events_; // the play under way, in time order
    std::size_t nextEvent_ = 0;
    std::vector<int> sounding_;
    QElapsedTimer clock_;
    QTimer timer_;
};
