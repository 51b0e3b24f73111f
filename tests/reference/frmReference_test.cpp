#include "settings_folder.h"

#include "reference/frmReference.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

enum Kind { Heading, Numeral, Text };

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kDarkGreen(0, 64, 0);

struct Row {
    int number; // LabelN
    const char* text;
    Kind kind;
    QColor color;
};

// The sheet in reading order. The first two I's of II, III and their chords are full-width
// (U+FF29); every other numeral is ASCII.
const Row kSheet[] = {
    { 1, "音の名称", Heading, kGreen },
    { 2, "I", Numeral, kYellow },
    { 3, "Tonic", Text, kYellow },
    { 4, "トニック", Text, kYellow },
    { 5, "主音", Text, kYellow },
    { 6, "\uFF29\uFF29", Numeral, kWhite },
    { 7, "SuperTonic", Text, kWhite },
    { 8, "スーパートニック", Text, kWhite },
    { 9, "上基音", Text, kWhite },
    { 10, "\uFF29\uFF29I", Numeral, kWhite },
    { 11, "Mediant", Text, kWhite },
    { 12, "ミーディアント", Text, kWhite },
    { 13, "上中音", Text, kWhite },
    { 14, "IV", Numeral, kYellow },
    { 15, "SubDominant", Text, kYellow },
    { 16, "サブドミナント", Text, kYellow },
    { 17, "下属音", Text, kYellow },
    { 18, "V", Numeral, kYellow },
    { 19, "Dominant", Text, kYellow },
    { 20, "ドミナント", Text, kYellow },
    { 21, "上属音", Text, kYellow },
    { 22, "VI", Numeral, kWhite },
    { 23, "SubMediant", Text, kWhite },
    { 24, "サブミーディアント", Text, kWhite },
    { 25, "下中音", Text, kWhite },
    { 26, "VII", Numeral, kWhite },
    { 27, "RedingTone", Text, kWhite },
    { 28, "リーディングトーン", Text, kWhite },
    { 29, "導音", Text, kWhite },
    { 30, "特有なコード", Heading, kGreen },
    { 31, "II 7", Numeral, kWhite },
    { 32, "DoppelDominant", Text, kWhite },
    { 33, "ドッペルドミナント", Text, kWhite },
    { 34, "\u266DII", Numeral, kWhite },
    { 35, "NeapolitanChord", Text, kWhite },
    { 36, "ナポリタンコード", Text, kWhite },
    { 37, "よく使われるテンション", Heading, kGreen },
    { 38, "I", Numeral, kWhite },
    { 39, "9,13", Text, kWhite },
    { 40, "Im", Numeral, kWhite },
    { 41, "9,11", Text, kWhite },
    { 42, "\uFF29\uFF29m", Numeral, kWhite },
    { 43, "9,11", Text, kWhite },
    { 44, "\uFF29\uFF29m(\u266D5)", Numeral, kWhite },
    { 45, "11,\u266D13", Text, kWhite },
    { 46, "\uFF29\uFF29Im", Numeral, kWhite },
    { 47, "11", Text, kWhite },
    { 48, "\u266D\uFF29\uFF29I", Numeral, kWhite },
    { 49, "9,13", Text, kWhite },
    { 50, "IV", Numeral, kWhite },
    { 51, "9,\u266F11,13", Text, kWhite },
    { 52, "IVm", Numeral, kWhite },
    { 53, "9,11,13", Text, kWhite },
    { 54, "V", Numeral, kWhite },
    { 55, "9,13,\u266D9,\u266D13", Text, kWhite },
    { 56, "Vm", Numeral, kWhite },
    { 57, "9,11", Text, kWhite },
    { 58, "VIm", Numeral, kWhite },
    { 59, "9,11", Text, kWhite },
    { 60, "\u266DVI", Numeral, kWhite },
    { 61, "9,\u266F11,13", Text, kWhite },
    { 62, "VIIm", Numeral, kWhite },
    { 63, "9,\u266D13", Text, kWhite },
    { 64, "\u266DVII", Numeral, kWhite }, // the major chord on the lowered seventh
    { 65, "9,13", Text, kWhite },
};

class Reference : public testing::Test {
protected:
    Reference()
        : book(std::make_unique<frmReference>())
    {
        book->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(book.get()));
    }

    QLabel* Label(int number) const
    {
        return book->findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
    }

    SettingsFolder settings;
    std::unique_ptr<frmReference> book;
};

} // namespace

TEST_F(Reference, IsAFixedBlackSheetAtItsDefaultPlace)
{
    EXPECT_EQ(book->windowTitle(), "ReferenceBook");
    EXPECT_EQ(book->pos(), QPoint(151, 189)); // Left 2265, Top 2835 twips
    EXPECT_EQ(book->minimumSize(), QSize(258, 319)); // 3870 x 4785 twips
    EXPECT_EQ(book->maximumSize(), QSize(258, 319));
    EXPECT_FALSE(
        book->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(book->findChildren<QLabel*>().size(), 65);

    const QImage sheet = book->grab().toImage();
    EXPECT_EQ(sheet.pixelColor(1, 1), QColor(0, 0, 0));
    EXPECT_EQ(sheet.pixelColor(124, 250), kDarkGreen); // Line1 at x = 1860 twips
    EXPECT_EQ(sheet.pixelColor(8, 190), kDarkGreen); // the third heading's background
    EXPECT_EQ(settings.Text(), "");
}

TEST_F(Reference, EveryTextIsShownInItsStyleAndColour)
{
    for (const Row& row : kSheet) {
        const QLabel* label = Label(row.number);
        ASSERT_NE(label, nullptr) << row.number;
        const std::string name = label->objectName().toStdString();
        EXPECT_EQ(label->text(), QString::fromUtf8(row.text)) << name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), row.color) << name;
        EXPECT_EQ(label->autoFillBackground(), row.kind == Heading) << name;
        if (row.kind == Heading) {
            EXPECT_EQ(label->palette().color(QPalette::Window), kDarkGreen) << name;
        }
        EXPECT_EQ(label->font().bold(), row.kind == Numeral) << name;
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
            row.kind == Text ? Qt::AlignLeft : Qt::AlignHCenter)
            << name;
    }
}

// What a person reads: each text whole inside its own cell, cells inside the sheet, never on
// top of each other or of the dividing line.
TEST_F(Reference, EveryTextFitsItsCellAndNoCellsOverlap)
{
    const QRect sheet = book->rect();
    for (const Row& row : kSheet) {
        const QLabel* label = Label(row.number);
        ASSERT_NE(label, nullptr) << row.number;
        const std::string name = label->objectName().toStdString();
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << name;
        EXPECT_LE(metrics.height(), label->height()) << name;
        EXPECT_TRUE(sheet.contains(label->geometry())) << name;
        if (row.kind != Heading) {
            EXPECT_FALSE(label->geometry().intersects(book->Line1->geometry())) << name;
        }
        for (const Row& other : kSheet) {
            if (other.number > row.number) {
                EXPECT_FALSE(label->geometry().intersects(Label(other.number)->geometry()))
                    << name << " and Label" << other.number;
            }
        }
    }
}

TEST_F(Reference, NothingOnTheSheetReactsToInput)
{
    book->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(book.get()));
    for (const Row& row : kSheet) {
        QLabel* label = Label(row.number);
        QTest::mouseDClick(label, Qt::LeftButton);
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(1, 5));
        QTest::mouseMove(label, QPoint(label->width() - 1, 5));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() - 1, 5));
        QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(book.get(), Qt::Key_Tab);
        EXPECT_FALSE(label->hasSelectedText()) << row.number;
        EXPECT_EQ(label->text(), QString::fromUtf8(row.text)) << row.number;
    }
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
}

TEST(ReferencePlace, TheWindowComesBackWhereItWasClosed)
{
    SettingsFolder settings;
    {
        frmReference book;
        book.move(420, 90);
        book.close();
    }
    EXPECT_NE(settings.Text().find("[Reference]\r\nTop=1350\r\nLeft=6300\r\n"), std::string::npos)
        << settings.Text();
    frmReference again;
    EXPECT_EQ(again.pos(), QPoint(420, 90));
}
