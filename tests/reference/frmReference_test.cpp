#include "window_fixture.h"

#include "reference/frmReference.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

enum Kind { Heading, Numeral, Text };

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kDarkGreen(0, 64, 0);

struct Cell {
    const char* text;
    Kind kind;
    QColor color;
};

// One line of the sheet, left to right: the kind of each cell (Heading, Numeral, Text), the
// line's colour and its texts.
struct Line {
    const char* kinds;
    QColor color;
    std::vector<const char*> texts;
};

// The sheet in reading order, Label1 to Label65. The first two I's of II, III and their
// chords are full-width (U+FF29); every other numeral is ASCII.
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

// Every cell with its label number.
std::vector<std::pair<int, Cell>> Cells()
{
    std::vector<std::pair<int, Cell>> cells;
    for (const Line& line : kSheet) {
        for (std::size_t i = 0; i < line.texts.size(); ++i) {
            const char kind = line.kinds[i];
            cells.emplace_back(static_cast<int>(cells.size()) + 1,
                Cell { line.texts[i],
                    kind == 'H'       ? Heading
                        : kind == 'N' ? Numeral
                                      : Text,
                    line.color });
        }
    }
    return cells;
}

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

    const QImage sheet = book->grab().toImage();
    EXPECT_EQ(sheet.pixelColor(1, 1), QColor(0, 0, 0));
    EXPECT_EQ(sheet.pixelColor(124, 250), kDarkGreen); // Line1 at x = 1860 twips
    EXPECT_EQ(sheet.pixelColor(8, 190), kDarkGreen); // the third heading's background
    EXPECT_EQ(settings.Text(), "");
}

TEST_F(Reference, EveryTextIsShownInItsStyleAndColour)
{
    for (const auto& [number, cell] : Cells()) {
        const QLabel* label = Label(number);
        ASSERT_NE(label, nullptr) << number;
        EXPECT_EQ(label->text(), QString::fromUtf8(cell.text)) << number;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), cell.color) << number;
        EXPECT_EQ(label->autoFillBackground(), cell.kind == Heading) << number;
        if (cell.kind == Heading) {
            EXPECT_EQ(label->palette().color(QPalette::Window), kDarkGreen) << number;
        }
        EXPECT_EQ(label->font().bold(), cell.kind == Numeral) << number;
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
            cell.kind == Text ? Qt::AlignLeft : Qt::AlignHCenter)
            << number;
    }
}

// What a person reads: each text whole inside its own cell, cells inside the sheet, never on
// top of each other or of the dividing line.
TEST_F(Reference, EveryTextFitsItsCellAndNoCellsOverlap)
{
    const QList<QLabel*> labels = book->findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), 65);
    for (const QLabel* label : labels) {
        const std::string name = label->objectName().toStdString();
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << name;
        EXPECT_LE(metrics.height(), label->height()) << name;
        EXPECT_TRUE(book->rect().contains(label->geometry())) << name;
        if (!label->autoFillBackground()) { // the headings stand behind the line's ends
            EXPECT_FALSE(
                label->geometry().intersects(Find<QFrame>(book.get(), "Line1")->geometry()))
                << name;
        }
        for (const QLabel* other : labels) {
            if (other != label) {
                EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                    << name << " and " << other->objectName().toStdString();
            }
        }
    }
}

TEST_F(Reference, NothingOnTheSheetReactsToInput)
{
    book->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(book.get()));
    for (QLabel* label : book->findChildren<QLabel*>()) {
        const QString text = label->text();
        const QPoint end(label->width() - 1, 5);
        QTest::mouseDClick(label, Qt::LeftButton);
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(1, 5));
        QTest::mouseMove(label, end);
        QTest::mouseRelease(label, Qt::LeftButton, {}, end);
        QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(book.get(), Qt::Key_Tab);
        EXPECT_FALSE(label->hasSelectedText()) << label->objectName().toStdString();
        EXPECT_EQ(label->text(), text);
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
    EXPECT_EQ(frmReference().pos(), QPoint(420, 90));
}
