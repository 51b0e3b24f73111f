#include "shell/ui.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
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

void PaintBackground(QWidget* window, std::uint32_t background)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Color(background));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
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

QLabel* Caption(QWidget* parent, const QString& name, const QString& text, const QRect& twips)
{
    constexpr std::uint32_t kWhite = 0xFFFFFF;
    auto* label = new QLabel(text, parent);
    Place(label, name, twips);
    label->setFont(PGothicFont(9));
    PaintText(label, kWhite);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

QScrollBar* VerticalBar(
    QWidget* parent, const QString& name, const QRect& twips, int maximum, int value)
{
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    Place(bar, name, twips);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(value);
    // Reachable with Tab and moved with the arrow keys, not only with the mouse.
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QComboBox* DropDown(QWidget* parent, const QString& name, const QRect& twips,
    std::uint32_t background, std::uint32_t text)
{
    auto* list = new QComboBox(parent);
    Place(list, name, twips);
    list->setFont(GothicFont(9));
    QPalette palette = list->palette();
    for (QPalette::ColorRole role : { QPalette::Base, QPalette::Button, QPalette::Window })
        palette.setColor(role, Color(background));
    for (QPalette::ColorRole role : { QPalette::Text, QPalette::ButtonText, QPalette::WindowText })
        palette.setColor(role, Color(text));
    list->setPalette(palette);
    return list;
}

QIcon SvgIcon(const QString& path, QSize size)
{
    QIcon icon;
    for (qreal ratio : { 1.0, 2.0 })
        icon.addPixmap(SvgPixmap(path, size, ratio));
    return icon;
}

} // namespace ui
