#include "shell/wrwinpos.h"

#include "settings/ini.h"
#include "shell/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
