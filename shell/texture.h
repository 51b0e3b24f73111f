#pragma once

#include <QImage>

// The mottled dark-purple texture behind the tool windows (pictures/texture.png): 446 x 166
// pixels, 16 colours.
QImage BackgroundTexture();
