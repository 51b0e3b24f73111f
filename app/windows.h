// Every window this build of the program has, registered for loading on first touch; the play
// buttons of those that sound play through player.
#pragma once

class Midi;
class Player;
class WindowRegistry;

void RegisterWindows(WindowRegistry& registry, Player& player);

// Shows a window, loading it if need be, on top of the others while the launcher says so.
enum class WindowId;
void ShowWindow(WindowRegistry& registry, WindowId id);

// Shows a window, loading it if need be, on top of the others while the launcher says so.
enum class WindowId;
void ShowWindow(WindowRegistry& registry, WindowId id);

// Keys held on a MIDI keyboard fill the chord search while it is open, else show their chord in
// the chord window, and are marked on the chord window's cells; while the progression records,
// each chord is added to it as the keys are let go.
void FollowKeyboard(WindowRegistry& registry, Midi& midi);
