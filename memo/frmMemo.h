// The memo pad: a scratch sheet with two faces in one window, a drawing surface (four pen
// colours, widths 1 to 20, the right button as eraser) and a plain text area, switched by
// "Mode". Nothing drawn or typed is saved; the window keeps only its position.
#pragma once

#include "shell/toolwindow.h"

#include <cstdint>

class DrawingSurface;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

class frmMemo : public ToolWindow {
    Q_OBJECT

public:
    // Builds the drawing face, shown, and restores the position from section "Memo"; the
    // window stays hidden. The text face, hidden, follows at the first show.
    frmMemo();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The pointer position of the latest press or drawing move, rounded to whole units, where
    // the next line of a stroke starts. Held in 32 bits, so a stroke still joins on a surface
    // wider than 32767 units.
    std::int32_t LastX = 0;
    std::int32_t LastY = 0;

    // The width in pixels that the next press gives the pen: 1 to 20, following hsbWidth.
    std::int16_t PenWidth = 1;

    QPushButton* cmdBlack;
    QPushButton* cmdRed;
    QPushButton* cmdGreen;
    QPushButton* cmdBlue;
    QLabel* lblSensyu; // "sensyu": the kind of line, here the pen width as a number
    QScrollBar* hsbWidth;
    QPushButton* cmdClear;
    QPushButton* cmdMode;
    DrawingSurface* picWorkSpace;
    QPlainTextEdit* txtWorkSpace = nullptr; // built at the first show or "Mode" click

    void CreateControls();
    void CreateTextFace();
    void Form_Resize();

    void cmdBlack_Click();
    void cmdRed_Click();
    void cmdGreen_Click();
    void cmdBlue_Click();
    void hsbWidth_Change(int value);
    void cmdClear_Click();
    void cmdMode_Click();
    void picWorkSpace_MouseDown(Qt::MouseButton button, QPointF position);
    void picWorkSpace_MouseMove(Qt::MouseButtons buttons, QPointF position);
};
