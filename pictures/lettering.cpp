// Draws the outline of each line of the splash (shell/frmLoading.h) as an SVG picture, at build
// time, in the program's own Gothic: the splash then shows its text without loading a font.
// Each picture is the label's size, the text centred in it as a label centres it.
#include "shell/frmLoading.h"
#include "shell/ui.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QString>

#include <cstdio>

namespace {

QString Number(qreal value) { return QString::number(value, 'f', 2); }

QString PathData(const QPainterPath& path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element point = path.elementAt(i);
        switch (point.type) {
        case QPainterPath::MoveToElement:
            data += QStringLiteral("M%1 %2").arg(Number(point.x), Number(point.y));
            break;
        case QPainterPath::LineToElement:
            data += QStringLiteral("L%1 %2").arg(Number(point.x), Number(point.y));
            break;
        case QPainterPath::CurveToElement: {
            // A cubic: this element is the first control point, the next two the second and the
            // end.
            const QPainterPath::Element second = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            data += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                        .arg(Number(point.x), Number(point.y), Number(second.x), Number(second.y),
                            Number(end.x), Number(end.y));
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return data;
}

QByteArray Outline(const SplashLine& line)
{
    const QString text = QString::fromUtf8(line.text);
    const QFont font = ui::PGothicFont(9, line.bold);
    const QFontMetricsF metrics(font);
    const QSizeF box(ui::Px(line.width), ui::Px(line.height));
    QPainterPath path;
    path.addText((box.width() - metrics.horizontalAdvance(text)) / 2,
        (box.height() - metrics.height()) / 2 + metrics.ascent(), font, text);

    const ui::Rgb colour = ui::RgbFromBgr(ui::kBrightGreen);
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\">\n"
                          "<path fill=\"#%3%4%5\" d=\"%6\"/>\n</svg>\n")
        .arg(box.width())
        .arg(box.height())
        .arg(colour.red, 2, 16, QLatin1Char('0'))
        .arg(colour.green, 2, 16, QLatin1Char('0'))
        .arg(colour.blue, 2, 16, QLatin1Char('0'))
        .arg(PathData(path)) // filled by the non-zero rule, as font outlines are
        .toUtf8();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: lettering OUTPUT_FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const SplashLine& line : kSplashLines) {
        QFile file(QString::fromLocal8Bit(argv[1]) + '/' + line.name + ".svg");
        if (!file.open(QIODevice::WriteOnly) || file.write(Outline(line)) < 0 || !file.flush()) {
            std::fprintf(stderr, "lettering: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
