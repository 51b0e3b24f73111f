#include "window_fixture.h"

#include "chord/DialogChord.h"
#include "chord/frmChord.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>

#include <set>

namespace {

const QColor kUnlit(0, 0, 64);
const QColor kLit(255, 255, 0);

// The names of a range of note cells as a musician reads them: trimmed, space-separated.
QString Names(const frmChord& chord, int first, int last)
{
    QStringList names;
    for (int i = first; i <= last; ++i)
        names << Find<QLabel>(&chord, "lblNote", i)->text().remove(QChar(0x3000)).trimmed();
    return names.join(' ');
}

QRadioButton* Option(const QWidget* dialog, int slot, int element)
{
    return Find<QRadioButton>(dialog, QStringLiteral("Option%1(%2)").arg(slot).arg(element));
}

std::vector<int> LitSlots(const frmChord& chord)
{
    std::vector<int> lit;
    for (int i = 0; i < 19; ++i) {
        if (Background(Find<QLabel>(&chord, "lblNote", i)) == kLit)
            lit.push_back(i);
    }
    return lit;
}

class ChordWindow : public WindowTest {
protected:
    frmChord* chord = Load<frmChord>(WindowId::Chord);
};

} // namespace

TEST_F(ChordWindow, FirstStartShowsCOnTheMixedTableWithNothingLit)
{
    EXPECT_EQ(chord->windowTitle(), "VozuvIver");
    EXPECT_FALSE(chord->isVisible());
    EXPECT_EQ(Find<QScrollBar>(chord, "vsbRoot")->value(), 11);
    EXPECT_EQ(Find<QComboBox>(chord, "cmbChordType")->currentText(), "N.C.");
    EXPECT_EQ(Find<QComboBox>(chord, "cmbChordType")->count(), 29);
    EXPECT_EQ(Names(*chord, 0, 11), "C C＃ D E♭ E F F＃ G A♭ A B♭ B");
    EXPECT_EQ(Names(*chord, 12, 18), "C＃ D E♭ F F＃ A♭ A");
    EXPECT_TRUE(LitSlots(*chord).empty());
    EXPECT_EQ(Background(Find<QLabel>(chord, "lblNote", 0)), kUnlit);
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 0)->text(), "完1");
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 16)->text(), "増11");
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 0)->palette().color(QPalette::WindowText),
        QColor(255, 255, 0));
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 1)->palette().color(QPalette::WindowText),
        QColor(255, 192, 255));
    EXPECT_EQ(Find<QComboBox>(chord, "cmbKey")->currentText(), "C");
    EXPECT_FALSE(Find<QPushButton>(chord, "cmdGuitar")->isVisibleTo(chord));
}

TEST_F(ChordWindow, AChordLightsItsSlotsAndARootChangeKeepsThem)
{
    Find<QComboBox>(chord, "cmbChordType")->setCurrentIndex(10); // "7"
    EXPECT_EQ(Find<QScrollBar>(chord, "vsbChordType")->value(), 10);
    EXPECT_EQ(LitSlots(*chord), (std::vector<int> { 0, 4, 7, 10 }));
    Find<QScrollBar>(chord, "vsbRoot")->setValue(4); // G
    EXPECT_EQ(LitSlots(*chord), (std::vector<int> { 0, 4, 7, 10 }));
    EXPECT_EQ(Names(*chord, 0, 0), "G");
    EXPECT_EQ(Find<QLabel>(chord, "lblNote", 10)->text(), "F　");

    Find<QScrollBar>(chord, "vsbChordType")
        ->setValue(12); // "7(9)": the ninth in the tension row only
    EXPECT_EQ(Find<QComboBox>(chord, "cmbChordType")->currentText(), "7(9)");
    EXPECT_EQ(LitSlots(*chord), (std::vector<int> { 0, 4, 7, 10, 13 }));
    EXPECT_EQ(Find<QLabel>(chord, "lblNote", 13)->palette().color(QPalette::WindowText),
        QColor(Qt::black));
}

TEST_F(ChordWindow, SpellingCycleRespellsCellsAndKeyList)
{
    Find<QScrollBar>(chord, "vsbRoot")->setValue(5); // F# / Gb
    Find<QComboBox>(chord, "cmbKey")->setCurrentIndex(5);
    const char* const roots[] = { "F＃", "G♭", "F＃", "F＃" }; // sharps, flats, by key, mixed
    std::vector<qint64> pictures { Find<QPushButton>(chord, "cmdOption")->icon().cacheKey() };
    for (int click = 0; click < 4; ++click) {
        Find<QPushButton>(chord, "cmdOption")->click();
        EXPECT_EQ(Find<QLabel>(chord, "lblNote", 0)->text(), roots[click]);
        EXPECT_EQ(Find<QComboBox>(chord, "cmbKey")->currentIndex(), 5);
        EXPECT_EQ(Find<QComboBox>(chord, "cmbKey")->currentText(), roots[click]);
        pictures.push_back(Find<QPushButton>(chord, "cmdOption")->icon().cacheKey());
        if (click
            == 2) { // by key, the names follow the chord type: G♭ B♭ D♭ F, not F＃ A＃ C＃ E＃
            Find<QComboBox>(chord, "cmbChordType")->setCurrentIndex(6);
            EXPECT_EQ(Names(*chord, 0, 0), "G♭");
            Find<QComboBox>(chord, "cmbChordType")->setCurrentIndex(0);
        }
    }
    // Each mode shows a picture of its own, and the fifth click's is the first again.
    EXPECT_EQ(std::set<qint64>(pictures.begin(), pictures.end()).size(), 4u);
    EXPECT_EQ(pictures.front(), pictures.back());
    EXPECT_EQ(Find<QComboBox>(chord, "cmbKey")->itemText(1), "B♭");
}

TEST_F(ChordWindow, DiatonicButtonsSetTypeThenRoot)
{
    struct Case {
        int keyItem;
        int button;
        int clicksOfSpelling; // 0 mixed, 1 sharps, 2 flats
        const char* notes; // the lit cells, in slot order
        const char* type;
    };
    const Case cases[] = {
        { 11, 4, 0, "G B D", "major" }, // key C, V
        { 2, 12, 0, "F A C", "major" }, // key A, bVI
        { 0, 1, 0, "C＃ E A♭", "m" }, // key B, IIm: the mixed table spells G＃ as A♭
        { 0, 1, 2, "D♭ E A♭", "m" },
        { 7, 6, 1, "D＃ F＃ A", "m(♭5)" }, // key E, VIIm(b5)
        { 7, 6, 0, "E♭ F＃ A", "m(♭5)" },
    };
    for (const Case& c : cases) {
        for (int i = 0; i < c.clicksOfSpelling; ++i)
            Find<QPushButton>(chord, "cmdOption")->click();
        Find<QComboBox>(chord, "cmbKey")->setCurrentIndex(c.keyItem);
        Find<QPushButton>(chord, "cmddiatonic", c.button)->click();
        QStringList lit;
        for (int slot : LitSlots(*chord))
            lit << Names(*chord, slot, slot);
        EXPECT_EQ(lit.join(' '), c.notes);
        EXPECT_EQ(Find<QComboBox>(chord, "cmbChordType")->currentText(), c.type);
        for (int i = c.clicksOfSpelling; i % 4 != 0; ++i)
            Find<QPushButton>(chord, "cmdOption")->click();
    }
}

TEST_F(ChordWindow, PressingTheShownChordsButtonChangesNothing)
{
    Find<QPushButton>(chord, "cmddiatonic", 4)->click();
    QSignalSpy root(Find<QScrollBar>(chord, "vsbRoot"), &QScrollBar::valueChanged);
    QSignalSpy type(Find<QScrollBar>(chord, "vsbChordType"), &QScrollBar::valueChanged);
    Find<QPushButton>(chord, "cmddiatonic", 4)->click();
    EXPECT_EQ(root.count(), 0);
    EXPECT_EQ(type.count(), 0);
}

TEST_F(ChordWindow, PrimaryChordsAreBold)
{
    for (int i = 0; i < 14; ++i) {
        const QString caption = Find<QPushButton>(chord, "cmddiatonic", i)->text();
        const bool primary = caption == "I" || caption == "IV" || caption == "V" || caption == "Im"
            || caption == "IVm" || caption == "Vm";
        EXPECT_EQ(Find<QPushButton>(chord, "cmddiatonic", i)->font().bold(), primary)
            << caption.toStdString();
    }
    EXPECT_EQ(Find<QPushButton>(chord, "cmddiatonic", 13)->text(), "♭VII");
}

TEST_F(ChordWindow, ClosingWritesModeNamesAndPlaceInOrder)
{
    Find<QPushButton>(chord, "cmdOption")->click();
    chord->close();
    const auto keys = Section("Chord");
    ASSERT_EQ(keys.size(), 22u);
    EXPECT_EQ(keys[0], "Cromatic=1");
    // Shift-JIS on disk: 完 is 0x8A 0xAE, 長 is 0x92 0xB7.
    EXPECT_EQ(keys[1],
        "Matrix0=\x8A\xAE"
        "1");
    EXPECT_EQ(keys[19],
        "Matrix18=\x92\xB7"
        "13");
    EXPECT_EQ(keys[20], "Top=2325");
    EXPECT_EQ(keys[21], "Left=1770");
}

TEST_F(ChordWindow, IntervalNamesRoundTripThroughTheDialogAndARestart)
{
    auto* dialog = Load<DialogChord>(WindowId::Matrix);
    EXPECT_EQ(dialog->windowTitle(), "VozuvIver - Matrix");
    for (std::size_t i = 0; i < 19; ++i)
        EXPECT_TRUE(Option(dialog, i, 0)->isChecked());
    Option(dialog, 6, 1)->setChecked(true);
    Option(dialog, 0, 1)->setChecked(true);
    EXPECT_TRUE(Option(dialog, 5, 0)->isChecked()); // every pair chooses on its own
    for (const QRadioButton* option : dialog->findChildren<QRadioButton*>()) { // none clipped
        const QStyle* style = option->style();
        EXPECT_LE(style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option)
                + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option)
                + option->fontMetrics().horizontalAdvance(option->text()),
            option->width())
            << option->text().toStdString();
    }
    Find<QPushButton>(dialog, "OKButton")->click();
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 6)->text(), "増4");
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 0)->text(), "根音");

    chord->close();
    auto* again = Load<frmChord>(WindowId::Chord);
    ASSERT_NE(again, chord);
    EXPECT_EQ(Find<QLabel>(again, "Matrix", 6)->text(), "増4");
    auto* reopened = Load<DialogChord>(WindowId::Matrix);
    EXPECT_TRUE(Option(reopened, 6, 1)->isChecked());
    EXPECT_TRUE(Option(reopened, 7, 0)->isChecked());

    Option(reopened, 6, 0)->setChecked(true);
    Find<QPushButton>(reopened, "CancelButton")->click();
    EXPECT_EQ(Find<QLabel>(again, "Matrix", 6)->text(), "増4");
}

TEST_F(ChordWindow, BadSettingsFallBackWhereUnusable)
{
    chord->close();
    settings.Write("[Chord]\r\nCromatic=7\r\nMatrix3=\r\nMatrix4=foo\r\nMatrix5="
        + std::string(300, 'x') + "\r\nTop=abc\r\nLeft=1500\r\n");
    auto* loaded = Load<frmChord>(WindowId::Chord);
    EXPECT_EQ(loaded->Spelling(), theory::SpellingMode::Mixed);
    EXPECT_EQ(Names(*loaded, 0, 1), "C C＃");
    EXPECT_EQ(Find<QLabel>(loaded, "Matrix", 3)->text(), "短3");
    EXPECT_EQ(Find<QLabel>(loaded, "Matrix", 4)->text(), "foo");
    EXPECT_EQ(Find<QLabel>(loaded, "Matrix", 5)->text(), QString(254, 'x'));
    EXPECT_EQ(loaded->pos(), QPoint(100, 155)); // Top default 2325, Left 1500
    auto* dialog = Load<DialogChord>(WindowId::Matrix);
    EXPECT_TRUE(Option(dialog, 4, 1)->isChecked());
    Find<QPushButton>(dialog, "CancelButton")->click();
    loaded->close();
    const auto keys = Section("Chord");
    EXPECT_EQ(keys[0], "Cromatic=0");
    EXPECT_NE(std::find(keys.begin(), keys.end(), "Matrix4=foo"), keys.end());
}

// A button that shows only a picture says in words what it does.
TEST_F(ChordWindow, EveryPictureButtonHasATip)
{
    for (const QWidget* window :
        { static_cast<QWidget*>(chord), static_cast<QWidget*>(Load<QWidget>(WindowId::Scale)) }) {
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->text().isEmpty() && !button->icon().isNull()) {
                EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
            }
        }
    }
}

TEST_F(ChordWindow, ADiatonicButtonFramesTheTensionsByTheKeyAndAHandChangeClearsThem)
{
    Find<QPushButton>(chord, "cmddiatonic", 4)->click(); // key C, V: G Mixolydian
    QString frames;
    for (int slot = 12; slot < 19; ++slot) {
        const QLabel* cell = Find<QLabel>(chord, "lblNote", slot);
        const QColor frame = cell->palette().color(QPalette::Light);
        frames += cell->frameShape() == QFrame::NoFrame ? '-'
            : frame == QColor(0, 255, 0)                ? 'A'
            : frame == QColor(255, 0, 0)                ? 'X'
            : frame == QColor(128, 128, 128)            ? 'o'
                                                        : '?';
        EXPECT_FALSE(cell->toolTip().isEmpty());
    }
    EXPECT_EQ(frames, "oAoXooA"); // 9 and 13 fit, 11 is avoided, the rest lie outside C major
    Find<QScrollBar>(chord, "vsbRoot")->setValue(3);
    for (int slot = 12; slot < 19; ++slot)
        EXPECT_EQ(Find<QLabel>(chord, "lblNote", slot)->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(Find<QLabel>(chord, "lblNote", 13)->toolTip().isEmpty());
}
