// The compiled-in art: every picture the code names is there and draws, and the icons drawn on
// demand look as the buttons need them.
#include "shell/icons.h"

#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QSet>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace {

// Every picture path the program names, with the logical size it is drawn at.
struct Picture {
    const char* path;
    QSize size;
};
const Picture kPictures[] = {
    { ":/pictures/icon.svg", { 32, 32 } }, // window icon, about window
    { ":/pictures/about/banner.svg", { 148, 40 } },
    { ":/pictures/about/ok.svg", { 28, 28 } },
    { ":/pictures/launcher/scale.svg", { 28, 28 } },
    { ":/pictures/launcher/key.svg", { 28, 28 } },
    { ":/pictures/launcher/chord.svg", { 28, 28 } },
    { ":/pictures/launcher/reference.svg", { 28, 28 } },
    { ":/pictures/launcher/memo.svg", { 28, 28 } },
    { ":/pictures/launcher/topmost.svg", { 28, 28 } },
    { ":/pictures/launcher/help.svg", { 28, 28 } },
    { ":/pictures/launcher/info.svg", { 28, 28 } },
    { ":/pictures/launcher/close.svg", { 28, 28 } },
    { ":/pictures/spelling/mixed.svg", { 14, 14 } },
    { ":/pictures/spelling/sharp.svg", { 14, 14 } },
    { ":/pictures/spelling/flat.svg", { 14, 14 } },
    { ":/pictures/spelling/bykey.svg", { 14, 14 } },
    { ":/pictures/search.svg", { 14, 14 } },
    { ":/pictures/setting.svg", { 14, 14 } },
    // The key signatures' own outlines, used when the music font is missing.
    { ":/pictures/key/treble-clef.svg", { 20, 40 } },
    { ":/pictures/key/bass-clef.svg", { 20, 20 } },
    { ":/pictures/key/sharp.svg", { 8, 20 } },
    { ":/pictures/key/flat.svg", { 8, 20 } },
    { ":/pictures/sound/play.svg", { 14, 14 } },
    { ":/pictures/sound/unavailable.svg", { 14, 14 } },
};

// Whether any pixel of the image is not fully transparent.
bool Inked(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

} // namespace

TEST(Pictures, EveryCompiledInPictureIsNamedByTheCodeAndEveryNamedOneIsThere)
{
    QSet<QString> compiled;
    for (QDirIterator it(":/pictures", QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        if (path.endsWith(".svg"))
            compiled.insert(path);
    }
    QSet<QString> named;
    for (const Picture& picture : kPictures) {
        named.insert(picture.path);
        EXPECT_TRUE(QSvgRenderer(QString(picture.path)).isValid()) << picture.path;
    }
    EXPECT_EQ(compiled, named);
}

TEST(Pictures, IconsDrawAtTheSizeAndRatioAsked)
{
    for (const Picture& picture : kPictures) {
        const QIcon icon = ui::SvgIcon(picture.path, picture.size);
        ASSERT_FALSE(icon.isNull()) << picture.path;
        EXPECT_EQ(icon.availableSizes(), QList<QSize>({ picture.size, picture.size * 2 }));
        for (qreal ratio : { 1.0, 2.0 }) {
            const QPixmap pixmap = icon.pixmap(picture.size, ratio);
            EXPECT_EQ(pixmap.size(), picture.size * ratio) << picture.path << " at " << ratio;
            EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(picture.size)) << picture.path;
            EXPECT_TRUE(Inked(pixmap.toImage())) << picture.path << " at " << ratio;
        }
    }
}

TEST(Pictures, ADisabledIconIsGreyedAndAMissingOneIsNull)
{
    const QIcon icon = ui::SvgIcon(":/pictures/spelling/sharp.svg", { 14, 14 });
    const QImage normal = icon.pixmap(QSize(14, 14), 1.0, QIcon::Normal).toImage();
    const QImage disabled = icon.pixmap(QSize(14, 14), 1.0, QIcon::Disabled).toImage();
    EXPECT_NE(normal, disabled);

    EXPECT_TRUE(ui::SvgIcon(":/pictures/no-such-picture.svg", { 14, 14 }).isNull());
}
