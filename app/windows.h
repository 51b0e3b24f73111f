// Every window this build of the program has, registered for loading on first touch; the play
// buttons of those that sound play through player.
#pragma once

class Player;
class WindowRegistry;

void RegisterWindows(WindowRegistry& registry, Player& player);
