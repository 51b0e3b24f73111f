// The yardstick for start-up: a bare Qt Widgets program, one window with nine buttons, started
// and measured exactly as the real program is (scripts/bench-startup).
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(9 * 33, 32);
    for (int i = 0; i < 9; ++i) {
        auto* button = new QPushButton(QString::number(i + 1), &window);
        button->setGeometry(33 * i, 0, 33, 33);
    }
    window.show();
    return QApplication::exec();
}
