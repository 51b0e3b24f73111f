// Draws the outline of each line of the splash (shell/frmLoading.h) at build time, in the
// program's own Gothic, and stores it as a Qt path: the splash then shows its text without
// loading a font. Each outline is in its label's pixels, the text centred as a label centres it.
// Given a compiled translation, it draws the lines in that language.
#include "shell/fonts.h"
#include "shell/frmLoading.h"
#include "shell/units.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QTranslator>

#include <cstdio>

namespace {

QPainterPath Outline(const SplashLine& line)
{
    const QString text = QCoreApplication::translate("frmLoading", line.text);
    const QFont font = ui::PGothicFont(9, line.bold);
    const QFontMetricsF metrics(font);
    const QSizeF box(ui::Px(line.width), ui::Px(line.height));
    QPainterPath path;
    path.addText((box.width() - metrics.horizontalAdvance(text)) / 2,
        (box.height() - metrics.height()) / 2 + metrics.ascent(), font, text);
    path.setFillRule(Qt::WindingFill); // as font outlines are filled
    return path;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: lettering OUTPUT_FOLDER [TRANSLATION.qm]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTranslator translation;
    if (argc == 3) {
        if (!translation.load(QString::fromLocal8Bit(argv[2]))) {
            std::fprintf(stderr, "lettering: cannot read %s\n", argv[2]);
            return 1;
        }
        QCoreApplication::installTranslator(&translation);
    }
    for (const SplashLine& line : kSplashLines) {
        QFile file(QString::fromLocal8Bit(argv[1]) + '/' + line.name + ".path");
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "lettering: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        QDataStream out(&file);
        out.setVersion(kLetteringVersion);
        out << Outline(line);
        if (out.status() != QDataStream::Ok || !file.flush()) {
            std::fprintf(stderr, "lettering: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
