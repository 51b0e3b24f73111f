#include "shell/ui.h"

#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>
#include <QWidget>

namespace ui {

QRect TwipsRect(int left, int top, int width, int height)
{
    return { Px(left), Px(top), Px(width), Px(height) };
}

QColor Color(std::uint32_t bbggrr)
{
    const Rgb rgb = RgbFromBgr(bbggrr);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QStringList GothicFamilies()
{
    return { "ＭＳ ゴシック", "MS Gothic", "IPAGothic", "IPAexGothic", "monospace" };
}

QStringList PGothicFamilies()
{
    return { "ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPAexGothic", "sans-serif" };
}

static QFont FontOf(const QStringList& families, double points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(PointsToPixels(points));
    font.setBold(bold);
    return font;
}

QFont GothicFont(double points, bool bold) { return FontOf(GothicFamilies(), points, bold); }

QFont PGothicFont(double points, bool bold) { return FontOf(PGothicFamilies(), points, bold); }

QString ArrayName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void Place(QWidget* control, const QString& name, const QRect& twips)
{
    control->setObjectName(name);
    control->setAccessibleName(name);
    control->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void Paint(QWidget* widget, std::uint32_t background, std::uint32_t text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Color(background));
    palette.setColor(QPalette::WindowText, Color(text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void PaintText(QWidget* widget, std::uint32_t text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Color(text));
    widget->setPalette(palette);
}

void PaintButton(QWidget* button, std::uint32_t face)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Color(face));
    button->setPalette(palette);
}

QPixmap SvgPixmap(const QString& path, QSize size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon SvgIcon(const QString& path, QSize size)
{
    QIcon icon;
    for (qreal ratio : { 1.0, 2.0 })
        icon.addPixmap(SvgPixmap(path, size, ratio));
    return icon;
}

} // namespace ui
