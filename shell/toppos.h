// Moving a window into or out of the group that stays above all others.
#pragma once

class QWidget;

// Both create the native window if needed (which loads nothing visible: a hidden window stays
// hidden) and leave its position and size alone.
void TopMostOn(QWidget* window);
void TopMostOff(QWidget* window);
