#include "shell/texture.h"

QImage BackgroundTexture()
{
    // Four windows paint it; decode it once, in the format a painter draws fastest.
    static const QImage texture
        = QImage(QStringLiteral(":/pictures/texture.png")).convertToFormat(QImage::Format_RGB32);
    return texture;
}
