// The compiled-in art: every picture the code names is there and draws at the size and ratio
// asked, and no other is compiled in.
#include "shell/icons.h"
#include "shell/texture.h"

#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

TEST(Pictures, EveryPictureTheCodeNamesIsThereAndDraws)
{
    // Every picture path the program names, with the logical size it is drawn at.
    const std::pair<const char*, QSize> pictures[]
        = { { "icon.svg", { 32, 32 } }, { "about/banner.svg", { 148, 40 } },
              { "about/ok.svg", { 28, 28 } }, { "launcher/scale.svg", { 28, 28 } },
              { "launcher/key.svg", { 28, 28 } }, { "launcher/chord.svg", { 28, 28 } },
              { "launcher/reference.svg", { 28, 28 } }, { "launcher/memo.svg", { 28, 28 } },
              { "launcher/topmost.svg", { 28, 28 } }, { "launcher/help.svg", { 28, 28 } },
              { "launcher/info.svg", { 28, 28 } }, { "launcher/close.svg", { 28, 28 } },
              { "spelling/mixed.svg", { 14, 14 } }, { "spelling/sharp.svg", { 14, 14 } },
              { "spelling/flat.svg", { 14, 14 } }, { "spelling/bykey.svg", { 14, 14 } },
              { "search.svg", { 14, 14 } }, { "setting.svg", { 14, 14 } },
              // The key signatures' own outlines, used when the music font is missing.
              { "key/treble-clef.svg", { 20, 40 } }, { "key/bass-clef.svg", { 20, 20 } },
              { "key/sharp.svg", { 8, 20 } }, { "key/flat.svg", { 8, 20 } },
              { "sound/play.svg", { 14, 14 } }, { "sound/unavailable.svg", { 14, 14 } } };
    QSet<QString> compiled, named;
    for (QDirIterator it(":/pictures", QDirIterator::Subdirectories); it.hasNext();) {
        if (const QString path = it.next(); path.endsWith(".svg"))
            compiled.insert(path);
    }
    for (const auto& [name, size] : pictures) {
        const QString path = ":/pictures/" + QString(name);
        named.insert(path);
        const QIcon icon = ui::SvgIcon(path, size);
        for (qreal ratio : { 1.0, 2.0 }) {
            const QImage image = icon.pixmap(size, ratio).toImage();
            EXPECT_EQ(image.size(), size * ratio) << name << " at " << ratio;
            QImage blank(image.size(), image.format());
            blank.fill(Qt::transparent);
            EXPECT_NE(image, blank) << name; // inked
        }
        EXPECT_NE(icon.pixmap(size, 1.0, QIcon::Disabled).toImage(), icon.pixmap(size).toImage());
    }
    EXPECT_EQ(compiled, named);
    EXPECT_TRUE(ui::SvgIcon(":/pictures/no-such-picture.svg", { 14, 14 }).isNull());
    EXPECT_EQ(BackgroundTexture().size(), QSize(446, 166));
}
