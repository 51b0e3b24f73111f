#include "window_fixture.h"

#include "reference/frmReference.h"

#include <QFrame>

// Each text whole inside its own cell, never on top of another or of the dividing line (the
// headings stand behind the line's ends, on their own dark green), and none that reacts to the
// mouse or takes the focus.
TEST(Reference, EveryTextFitsItsCellAndStaysStill)
{
    SettingsFolder settings;
    frmReference book;
    EXPECT_EQ(book.minimumSize(), book.maximumSize());
    const QList<QLabel*> labels = book.findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), 65);
    const QRect line = Find<QFrame>(&book, "Line1")->geometry();
    for (const QLabel* label : labels) {
        SCOPED_TRACE(label->text().toStdString());
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
        EXPECT_LE(metrics.height(), label->height());
        EXPECT_TRUE(book.rect().contains(label->geometry()));
        EXPECT_TRUE(label->autoFillBackground() ? Background(label) == QColor(0, 64, 0)
                                                : !label->geometry().intersects(line));
        for (const QLabel* other : labels)
            EXPECT_TRUE(other == label || !label->geometry().intersects(other->geometry()));
        EXPECT_FALSE(label->textInteractionFlags()
            & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable));
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    }
}
