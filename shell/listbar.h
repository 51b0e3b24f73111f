// A scroll bar and a drop-down list that choose one index together.
#pragma once

#include <functional>

class QComboBox;
class QScrollBar;

// Keeps bar's value and list's chosen item on one index, whichever of the two the user moves
// (or the program sets), and calls changed once for every new index.
void KeepInStep(QScrollBar* bar, QComboBox* list, std::function<void(int index)> changed);
