// The splash window shown while the tool windows load, where the launcher will appear.
#pragma once

#include <QDataStream>
#include <QPainterPath>
#include <QWidget>

#include <array>

class QLabel;

// One line of the splash: its label's name, its text (UTF-8), its place in twips, and whether
// it is bold. The program's build draws each line's outline from this table too
// (pictures/lettering.cpp), in each language.
struct SplashLine {
    const char* name;
    const char* text;
    int left;
    int top;
    int width;
    int height;
    bool bold;
};

inline constexpr std::array<SplashLine, 3> kSplashLines { {
    { "Label1", "Rurized", 300, 120, 2400, 255, true },
    { "Label2", "Version 1.0", 315, 300, 2400, 255, false },
    { "Label3", QT_TRANSLATE_NOOP("frmLoading", "起動しています・・・"), 345, 540, 2400, 255,
        false },
} };

// The build stores each line's outline as a path in this stream format, one resource a line
// and language: ":/lettering/Label1.path", in English ":/lettering/en/Label1.path"
// (pictures/lettering.cpp).
inline constexpr QDataStream::Version kLetteringVersion = QDataStream::Qt_6_4;

// The stored outline of the named line in the interface's language, in its label's pixels;
// empty if there is none.
QPainterPath StoredOutline(const QString& line);

class frmLoading : public QWidget {
    Q_OBJECT

public:
    // Takes the launcher's position, so it shows where the launcher will show.
    explicit frmLoading(const QWidget* launcher);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;

protected:
    void paintEvent(QPaintEvent* event) override;
};
