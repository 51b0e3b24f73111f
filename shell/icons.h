// The compiled-in SVG art as pixmaps and icons, drawn at the size and pixel ratio they are shown.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

// A picture of the compiled-in art, drawn from its SVG at the given logical size and pixel
// ratio, so it stays crisp on any screen. A path that names no picture gives a null pixmap.
QPixmap SvgPixmap(const QString& path, QSize size, qreal devicePixelRatio);

// The same as an icon of the given logical size in 1x and 2x, each drawn only when it is first
// painted (a window never shown draws none); greyed when its button is disabled.
QIcon SvgIcon(const QString& path, QSize size);

} // namespace ui
