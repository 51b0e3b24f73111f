#include "shell/toppos.h"

#include <QWidget>
#include <QWindow>

namespace {

void SetTopMost(QWidget* window, bool on)
{
    if (!window)
        return;
    // QWidget::setWindowFlag would re-create and hide a shown window; changing the flag on
    // the native window keeps it where it is, and overrideWindowFlags keeps the widget's own
    // record in step without telling the window system again.
    window->winId();
    window->overrideWindowFlags(on ? window->windowFlags() | Qt::WindowStaysOnTopHint
                                   : window->windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (QWindow* handle = window->windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

} // namespace

void TopMostOn(QWidget* window) { SetTopMost(window, true); }

void TopMostOff(QWidget* window) { SetTopMost(window, false); }
