#include "shell/toolwindow.h"

#include "shell/controls.h"
#include "shell/texture.h"
#include "shell/units.h"
#include "shell/wrwinpos.h"

#include <QCloseEvent>
#include <QPainter>

ToolWindow::ToolWindow(const ToolFrame& frame)
    : QWidget(nullptr, ui::kToolWindow)
    , section_(frame.section)
    , textured_(frame.textured)
{
    setObjectName(QString::fromLatin1(frame.name));
    setWindowTitle(QString::fromUtf8(frame.title));
    const QSize size(ui::Px(frame.width), ui::Px(frame.height));
    if (frame.fixedSize)
        setFixedSize(size);
    else
        resize(size);
    if (section_) {
        std::int32_t top = frame.top;
        std::int32_t left = frame.left;
        ReadWinPos(section_, this, top, left);
    }
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    WriteSettings();
    if (section_)
        WriteWinPos(section_, this);
    event->accept();
}

void ToolWindow::paintEvent(QPaintEvent* event)
{
    if (textured_)
        QPainter(this).drawImage(0, 0, BackgroundTexture());
    else
        QWidget::paintEvent(event);
}
