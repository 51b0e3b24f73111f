// The program's one synthesizer: loaded on a worker thread after start-up or at the first press,
// so neither the launcher nor a press ever waits for it.
#pragma once

#include "shell/player.h"
#include "sound/synth.h"

#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <thread>

// The settings file's section "Sound".
struct SoundSettings {
    bool on = true;
    int program = 0; // General MIDI, 0 the grand piano
    int volume = 80; // 0..100
    std::string soundFont; // "" for the system's default
    bool operator==(const SoundSettings&) const = default;
};
SoundSettings ReadSoundSettings();
void WriteSoundSettings(const SoundSettings& settings);

class Sound : public Player {
    Q_OBJECT

public:
    // Reads the settings; loads nothing yet. load loads the synthesizer, on the worker; engine
    // names the library it loads, for the play buttons when that library will not load.
    Sound(sound::SynthLoader load, QString engine);
    // Waits for a load under way, then closes the output.
    ~Sound() override;

    // Loads the SoundFont and opens the output on a worker; does nothing while sound is off.
    void Start();

    void Play(const theory::Phrase& phrase) override;

    const SoundSettings& Settings() const { return settings_; }
    // Takes new settings at once: another SoundFont loads anew, sound switched off falls silent.
    void Apply(const SoundSettings& settings);

    // The SoundFont's instruments by program number, "" where it has none; empty until loaded.
    QStringList Instruments() const;

    // The delay the output adds to a press now, in milliseconds; 0 while unconnected or where
    // the output does not tell.
    int LatencyMs() const { return latencyMs_; }

signals:
    // The synthesizer has loaded, or failed to: Instruments() is now what it will be.
    void Loaded();
    void LatencyChanged();

private:
    // Starts the worker on whatever is missing, the SoundFont or the output.
    void Prepare();
    void Prepared(std::shared_ptr<sound::Synth> synth, sound::Trouble trouble);
    void ShowTrouble(sound::Trouble trouble);
    // The instrument and volume of the settings, on the loaded synthesizer.
    void Tune();

    // Takes the output's latency as it stands.
    void FollowLatency();

    sound::SynthLoader load_;
    QString engine_;
    SoundSettings settings_;
    int latencyMs_ = 0;
    // Shared with the worker while it loads or connects; only then does the worker touch it.
    std::shared_ptr<sound::Synth> synth_;
    std::thread worker_;
    bool working_ = false;
    bool reload_ = false; // the SoundFont changed while the worker was loading the old one
    std::optional<theory::Phrase> pending_;
};
