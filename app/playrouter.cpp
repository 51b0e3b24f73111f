#include "app/playrouter.h"

#include "midi/midi.h"
#include "sound/sound.h"

PlayRouter::PlayRouter(Sound& sound, Midi& midi)
    : sound_(sound)
    , midi_(midi)
{
    connect(&sound_, &Player::AvailabilityChanged, this, &PlayRouter::FollowAvailability);
    connect(&midi_, &Player::AvailabilityChanged, this, &PlayRouter::FollowAvailability);
    FollowAvailability();
}

void PlayRouter::Play(const theory::Phrase& phrase)
{
    const int out = midi_.Settings().out;
    if (out != 2)
        sound_.Play(phrase);
    if (out != 0)
        midi_.Play(phrase);
    FollowAvailability(); // the dialog may have changed where plays go
}

void PlayRouter::FollowAvailability()
{
    SetWhyUnavailable(midi_.Settings().out == 2 ? midi_.WhyUnavailable() : sound_.WhyUnavailable());
}
