// Every window this build of the program has, registered for loading on first touch; the play
// buttons of those that sound play through player.
#pragma once

#include "theory/instrument.h"

#include <QString>

#include <cstdint>

class Midi;
class Player;
class WindowRegistry;

void RegisterWindows(WindowRegistry& registry, Player& player);

// What the instrument window shows: the scale or chord of the window the user touched last,
// named by title. It shows it at once if it is loaded, and when it loads otherwise. The scale
// window, the chord window, a clicked search hit and the progression's slot that sounds or was
// clicked come through here, each chord with theory::ChordMarking.
void ShowOnInstrument(WindowRegistry& registry, const QString& title,
    const theory::Marking& marking, bool chord, std::uint16_t searched = 0);

// Keys held on a MIDI keyboard fill the chord search while it is open, else show their chord in
// the chord window, and are marked on the chord window's cells and on the instrument; while the
// progression records, each chord is added to it as the keys are let go.
void FollowKeyboard(WindowRegistry& registry, Midi& midi);
