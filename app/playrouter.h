// Where a press plays: the built-in synthesizer, the MIDI output, or both, as the MIDI
// settings' "Out" says.
#pragma once

#include "shell/player.h"

class Midi;
class Sound;

class PlayRouter : public Player {
    Q_OBJECT

public:
    PlayRouter(Sound& sound, Midi& midi);

    void Play(const theory::Phrase& phrase) override;

private:
    // The play buttons speak for the synthesizer unless plays go to the MIDI output alone.
    void FollowAvailability();

    Sound& sound_;
    Midi& midi_;
};
