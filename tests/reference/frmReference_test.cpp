#include "window_fixture.h"

#include "reference/frmReference.h"

#include <QFrame>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255), kYellow(255, 255, 0), kGreen(0, 255, 0);
const QColor kDarkGreen(0, 64, 0);

// One line of the sheet, left to right: the kind of each cell (Heading, Numeral, Text), the
// line's colour and its texts, in reading order, Label1 to Label65. The first two I's of II,
// III and their chords are full-width (U+FF29); every other numeral is ASCII.
struct Line {
    const char* kinds;
    QColor color;
    std::vector<const char*> texts;
};
// clang-format off
const Line kSheet[] = {
    { "H",    kGreen,  { "音の名称" } },
    { "NTTT", kYellow, { "I", "Tonic", "トニック", "主音" } },
    { "NTTT", kWhite,  { "\uFF29\uFF29", "SuperTonic", "スーパートニック", "上主音" } },
    { "NTTT", kWhite,  { "\uFF29\uFF29I", "Mediant", "ミーディアント", "上中音" } },
    { "NTTT", kYellow, { "IV", "SubDominant", "サブドミナント", "下属音" } },
    { "NTTT", kYellow, { "V", "Dominant", "ドミナント", "上属音" } },
    { "NTTT", kWhite,  { "VI", "SubMediant", "サブミーディアント", "下中音" } },
    { "NTTT", kWhite,  { "VII", "LeadingTone", "リーディングトーン", "導音" } },
    { "H",    kGreen,  { "特有なコード" } },
    { "NTT",  kWhite,  { "II 7", "DoppelDominant", "ドッペルドミナント" } },
    { "NTT",  kWhite,  { "\u266DII", "NeapolitanChord", "ナポリタンコード" } },
    { "H",    kGreen,  { "よく使われるテンション" } },
    { "NTNT", kWhite,  { "I", "9,13", "Im", "9,11" } },
    { "NTNT", kWhite,  { "\uFF29\uFF29m", "9,11", "\uFF29\uFF29m(\u266D5)", "11,\u266D13" } },
    { "NTNT", kWhite,  { "\uFF29\uFF29Im", "11", "\u266D\uFF29\uFF29I", "9,13" } },
    { "NTNT", kWhite,  { "IV", "9,\u266F11,13", "IVm", "9,11,13" } },
    { "NTNT", kWhite,  { "V", "9,13,\u266D9,\u266D13", "Vm", "9,11" } },
    { "NTNT", kWhite,  { "VIm", "9,11", "\u266DVI", "9,\u266F11,13" } },
    // The minor key's seventh is the major chord on the lowered seventh.
    { "NTNT", kWhite,  { "VIIm", "9,\u266D13", "\u266DVII", "9,13" } },
};
// clang-format on

} // namespace

// Each text in its style and colour, whole inside its own cell, never on top of another or of
// the dividing line, and none that reacts to the mouse or takes the focus.
TEST(Reference, EveryTextIsShownInItsStyleAndColourAndFitsItsCell)
{
    SettingsFolder settings;
    frmReference book;
    EXPECT_EQ(book.minimumSize(), book.maximumSize());
    const QImage sheet = book.grab().toImage();
    EXPECT_EQ(sheet.pixelColor(1, 1), QColor(0, 0, 0));
    EXPECT_EQ(sheet.pixelColor(124, 250), kDarkGreen); // Line1 at x = 1860 twips
    int number = 0;
    for (const Line& line : kSheet) {
        for (std::size_t i = 0; i < line.texts.size(); ++i) {
            const QLabel* label = Find<QLabel>(&book, QStringLiteral("Label%1").arg(++number));
            ASSERT_NE(label, nullptr);
            SCOPED_TRACE(number);
            const char kind = line.kinds[i];
            EXPECT_EQ(label->text(), QString::fromUtf8(line.texts[i]));
            EXPECT_EQ(label->palette().color(QPalette::WindowText), line.color);
            EXPECT_EQ(label->autoFillBackground(), kind == 'H');
            EXPECT_TRUE(kind != 'H' || Background(label) == kDarkGreen);
            EXPECT_EQ(label->font().bold(), kind == 'N');
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                kind == 'T' ? Qt::AlignLeft : Qt::AlignHCenter);
        }
    }
    const QList<QLabel*> labels = book.findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), number);
    for (const QLabel* label : labels) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
        EXPECT_LE(metrics.height(), label->height());
        EXPECT_TRUE(book.rect().contains(label->geometry()));
        EXPECT_TRUE(label->autoFillBackground() // the headings stand behind the line's ends
            || !label->geometry().intersects(Find<QFrame>(&book, "Line1")->geometry()));
        for (const QLabel* other : labels)
            EXPECT_TRUE(other == label || !label->geometry().intersects(other->geometry()));
        EXPECT_FALSE(label->textInteractionFlags()
            & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable));
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    }
}
