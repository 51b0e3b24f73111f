// Every window this build of the program has, registered for loading on first touch; the play
// buttons of those that sound play through player.
#pragma once

class Midi;
class Player;
class WindowRegistry;

void RegisterWindows(WindowRegistry& registry, Player& player);

// Keys held on a MIDI keyboard fill the chord search while it is open, else show their chord in
// the chord window, and are marked on the chord window's cells.
void FollowKeyboard(WindowRegistry& registry, Midi& midi);
