// Every window this build of the program has, registered for loading on first touch.
#pragma once

class WindowRegistry;

void RegisterWindows(WindowRegistry& registry);
