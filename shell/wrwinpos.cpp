#include "shell/wrwinpos.h"

#include "settings/ini.h"
#include "shell/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <string>

namespace {

bool OnSomeScreen(const QRect& frame)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return true;
    for (const QScreen* screen : screens) {
        if (screen->geometry().intersects(frame))
            return true;
    }
    return false;
}

QMargins FrameMargins(const QWidget* window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return { inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
        outer.bottom() - inner.bottom() };
}

} // namespace

void ReadWinPos(std::string_view section, QWidget* window, std::int32_t& top, std::int32_t& left)
{
    const std::int32_t defaultTop = top;
    const std::int32_t defaultLeft = left;
    if (auto value = ini::ToLong(ini::ReadIni(section, "Top")))
        top = *value;
    if (auto value = ini::ToLong(ini::ReadIni(section, "Left")))
        left = *value;
    const QRect frame(ui::Px(left), ui::Px(top), window->frameGeometry().width(),
        window->frameGeometry().height());
    if (!OnSomeScreen(frame)) {
        top = defaultTop;
        left = defaultLeft;
    }
    window->move(ui::Px(left), ui::Px(top));
}

void WriteWinPos(std::string_view section, QWidget* window)
{
    const QPoint corner = window->pos();
    ini::WriteIni(section, "Top", std::to_string(ui::Twips(corner.y())));
    ini::WriteIni(section, "Left", std::to_string(ui::Twips(corner.x())));
}

void PlaceBeside(QWidget* window, const QWidget* other)
{
    const QRect area = other->screen()->availableGeometry();
    const QRect covered = other->frameGeometry();
    // An X11 window manager frames a window only as it first shows, and until then Qt puts its
    // inside where the frame was asked for: take the frame as thick as the other's, and add it.
    const QMargins own = FrameMargins(window);
    const QMargins frame = own.isNull() ? FrameMargins(other) : own;
    const QPoint inside = own.isNull() ? QPoint(frame.left(), frame.top()) : QPoint();
    const QSize outer = window->size().grownBy(frame);
    const auto fit = [&area, &outer](QPoint corner) {
        corner.setX(std::clamp(
            corner.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
        corner.setY(std::clamp(
            corner.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
        return QRect(corner, outer);
    };
    const QRect places[] = {
        fit(QPoint(covered.right() + 1, covered.top())),
        fit(QPoint(covered.left() - outer.width(), covered.top())),
        fit(QPoint(covered.left(), covered.bottom() + 1)),
        fit(QPoint(covered.left(), covered.top() - outer.height())),
    };
    const auto overlap = [&covered](const QRect& place) {
        const QRect both = place & covered;
        return both.width() * both.height();
    };
    const QRect* best = &places[0];
    for (const QRect& place : places) {
        if (overlap(place) < overlap(*best))
            best = &place;
    }
    window->move(best->topLeft() + inside);
}
