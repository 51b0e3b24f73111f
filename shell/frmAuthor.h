// The about window: the product name over a background that fades from white to black.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;

class frmAuthor : public QDialog {
    Q_OBJECT

public:
    frmAuthor();

    // The background each fade step sets, every 30 ms from the window's load: white to black in
    // six steps. From the seventh tick on the fade is done (nullopt).
    static std::optional<std::uint32_t> FadeColor(int step);

    QLabel* lblTitle;
    QLabel* lblDescription;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Image1;
    QLabel* Image2;
    QPushButton* cmdOK;
    QTimer* Timer1;
    int FadeStep = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Timer1_Timer();
};
