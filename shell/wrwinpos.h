// Where each window was: its outer top-left corner in twips, kept in its own section.
#pragma once

#include <cstdint>
#include <string_view>

class QWidget;

// Reads "Top" then "Left" of the section into top and left, which hold the caller's defaults
// on entry and the applied values on return, and moves the window there. A position that
// would leave the window wholly outside every screen (a monitor since unplugged) falls back
// to the defaults; one partly off the screen stays as stored.
void ReadWinPos(std::string_view section, QWidget* window, std::int32_t& top, std::int32_t& left);

// Writes the window's current "Top", then "Left", as whole twips.
void WriteWinPos(std::string_view section, QWidget* window);

// Moves a window that has not shown yet beside another, shown: to its right, else left, below
// or above, sliding along that side to stay on the other's screen; on a screen too small for
// any, where it covers the least of the other.
void PlaceBeside(QWidget* window, const QWidget* other);
