// The yardstick for start-up: a bare Qt Widgets program, one window with nine buttons, started
// and measured exactly as the real program is (scripts/bench-startup).
//
// With --text-first it measures its buttons' captions before it shows the window, as any program
// does that draws or lays out text before its first window appears (Rurized's splash draws
// stored outlines instead): that loads the font database before the window is mapped instead
// of after.
#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool textFirst = argc > 1 && std::strcmp(argv[1], "--text-first") == 0;
    QWidget window;
    window.setWindowTitle(textFirst ? QStringLiteral("Bare Qt window, text first")
                                    : QStringLiteral("Bare Qt window"));
    window.setFixedSize(9 * 33, 32);
    for (int i = 0; i < 9; ++i) {
        auto* button = new QPushButton(QString::number(i + 1), &window);
        button->setGeometry(33 * i, 0, 33, 33);
        if (textFirst)
            QFontMetrics(button->font()).horizontalAdvance(button->text());
    }
    window.show();
    return QApplication::exec();
}
