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

// Shows the instrument window (loading it on first use), on top with the rest while they are.
void ShowInstrument(WindowRegistry& registry);

// What the instrument window shows: the scale or chord of the window the user touched last,
// named by title. It shows it at once if it is loaded, and when it loads otherwise. The scale
// window, the chord window and a clicked search hit come through here; so does any other window
// that shows a chord of its own, such as a progression's slot that plays or is selected, with
// theory::ChordMarking.
void ShowOnInstrument(WindowRegistry& registry, const QString& title,
    const theory::Marking& marking, bool chord, std::uint16_t searched = 0);

// Keys held on a MIDI keyboard fill the chord search while it is open, else show their chord in
// the chord window, and are marked on the chord window's cells and on the instrument.
void FollowKeyboard(WindowRegistry& registry, Midi& midi);
