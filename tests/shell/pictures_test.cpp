// The compiled-in art: every picture draws, inked, at the size and pixel ratio asked and greys
// when disabled. That every picture button shows one is checked over every window in
// keyboard_test.cpp.
#include "shell/icons.h"
#include "shell/texture.h"

#include <QDirIterator>
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

TEST(Pictures, EveryCompiledPictureDraws)
{
    const QSize size(20, 20);
    int pictures = 0;
    for (QDirIterator it(":/pictures", { "*.svg" }, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext(); ++pictures) {
        const QString path = it.next();
        const QIcon icon = ui::SvgIcon(path, size);
        for (qreal ratio : { 1.0, 2.0 }) {
            const QImage image = icon.pixmap(size, ratio).toImage();
            EXPECT_EQ(image.size(), size * ratio) << path.toStdString() << " at " << ratio;
            QImage blank(image.size(), image.format());
            blank.fill(Qt::transparent);
            EXPECT_NE(image, blank) << path.toStdString();
        }
        EXPECT_NE(icon.pixmap(size, 1.0, QIcon::Disabled).toImage(), icon.pixmap(size).toImage());
    }
    EXPECT_EQ(pictures, 24);
    EXPECT_TRUE(ui::SvgIcon(":/pictures/no-such-picture.svg", size).isNull());
    EXPECT_EQ(BackgroundTexture().size(), QSize(446, 166));
}
