#include "shell/toppos.h"

#include <QWidget>
#include <QWindow>

namespace {

void SetTopMost(QWidget* window, bool on)
{
    if (!window)
        return;
    const Qt::WindowFlags flags = on ? window->windowFlags() | Qt::WindowStaysOnTopHint
                                     : window->windowFlags() & ~Qt::WindowStaysOnTopHint;
    // The native window is made without winId(): winId() marks the window native, and Qt then
    // makes every other child of its owner native too, so a dialog owned by the chord window
    // would give each of the chord window's cells a native window of its own. Those die with
    // the chord window's native window, which the X11 platform makes anew at the next show
    // once the flag has changed, and the cells then paint where nobody sees it.
    window->createWinId();
    // QWidget::setWindowFlag would re-create and hide a shown window; changing the flag on
    // the native window keeps it where it is, and overrideWindowFlags keeps the widget's own
    // record in step without telling the window system again.
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

} // namespace

void TopMostOn(QWidget* window) { SetTopMost(window, true); }

void TopMostOff(QWidget* window) { SetTopMost(window, false); }
