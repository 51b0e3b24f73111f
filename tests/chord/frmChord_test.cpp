#include "window_fixture.h"

#include "chord/DialogChord.h"
#include "chord/frmChord.h"
#include "theory/diatonic.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>

#include <set>

namespace {

const QColor kLit(255, 255, 0);

class ChordWindow : public WindowTest {
protected:
    // The names of the note cells first..last, space-separated.
    QString Names(int first, int last) const
    {
        QStringList names;
        for (int i = first; i <= last; ++i)
            names << Name(Find(chord, "lblNote", i));
        return names.join(' ');
    }
    // The names of the lit cells, in slot order.
    QString Lit() const
    {
        QStringList lit;
        for (int i = 0; i < 19; ++i) {
            if (Background(Find(chord, "lblNote", i)) == kLit)
                lit << Name(Find(chord, "lblNote", i));
        }
        return lit.join(' ');
    }
    QRadioButton* Option(const QWidget* dialog, int slot, int element) const
    {
        return Find<QRadioButton>(dialog, QStringLiteral("Option%1(%2)").arg(slot).arg(element));
    }
    void Click(const char* name, int index = -1) const
    {
        (index < 0 ? Find<QPushButton>(chord, name) : Find<QPushButton>(chord, name, index))
            ->click();
    }
    QComboBox* Types() const { return Find<QComboBox>(chord, "cmbChordType"); }

    frmChord* chord = Load<frmChord>(WindowId::Chord);
};

} // namespace

// A first start shows C on the mixed table with nothing lit; a chord lights its slots, a ninth
// in the tension row only, and a root change keeps them.
TEST_F(ChordWindow, AChordLightsItsSlotsOnAnyRoot)
{
    EXPECT_EQ(Types()->currentText(), "N.C.");
    EXPECT_EQ(Types()->count(), 29);
    EXPECT_EQ(Names(0, 18), "C C＃ D E♭ E F F＃ G A♭ A B♭ B C＃ D E♭ F F＃ A♭ A");
    EXPECT_EQ(Lit(), "");
    EXPECT_EQ(Background(Find(chord, "lblNote", 0)), QColor(0, 0, 64));
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 16)->text(), "増11");
    EXPECT_EQ(
        Find(chord, "Matrix", 1)->palette().color(QPalette::WindowText), QColor(255, 192, 255));
    Types()->setCurrentIndex(10); // "7"
    EXPECT_EQ(Find<QScrollBar>(chord, "vsbChordType")->value(), 10);
    EXPECT_EQ(Lit(), "C E G B♭");
    Find<QScrollBar>(chord, "vsbRoot")->setValue(4); // G
    EXPECT_EQ(Lit(), "G B D F");
    Find<QScrollBar>(chord, "vsbChordType")->setValue(12); // "7(9)"
    EXPECT_EQ(Types()->currentText(), "7(9)");
    EXPECT_EQ(Background(Find(chord, "lblNote", 13)), kLit);
    EXPECT_NE(Background(Find(chord, "lblNote", 2)), kLit);
}

// The spelling button respells the cells and the key list through four pictures of their own;
// by key the names follow the chord type.
TEST_F(ChordWindow, SpellingCycleRespellsCellsAndKeyList)
{
    Find<QScrollBar>(chord, "vsbRoot")->setValue(5); // F＃ / G♭
    Find<QComboBox>(chord, "cmbKey")->setCurrentIndex(5);
    const char* const roots[] = { "F＃", "G♭", "F＃", "F＃" }; // sharps, flats, by key, mixed
    std::set<qint64> pictures;
    for (const char* root : roots) {
        Click("cmdOption");
        EXPECT_EQ(Names(0, 0), root);
        EXPECT_EQ(Find<QComboBox>(chord, "cmbKey")->currentText(), root);
        pictures.insert(Find<QPushButton>(chord, "cmdOption")->icon().cacheKey());
        if (chord->Spelling() == theory::SpellingMode::ByKey) {
            Types()->setCurrentIndex(6); // M7: G♭ B♭ D♭ F, not F＃ A＃ C＃ E＃
            EXPECT_EQ(Names(0, 0), "G♭");
            Types()->setCurrentIndex(0);
        }
    }
    EXPECT_EQ(pictures.size(), 4u);
}

// A diatonic button sets the type, then the root from the key list, in the window's spelling,
// captioned in bold for the primary chords; pressing the shown chord's button changes nothing.
// Afterwards the tension row is framed by the key until a hand change clears it.
TEST_F(ChordWindow, DiatonicButtonsSetTypeThenRootAndFrameTheTensions)
{
    const std::tuple<int, int, int, const char*, const char*> cases[] = {
        { 11, 4, 0, "G B D", "major" }, // key C, V
        { 2, 12, 0, "F A C", "major" }, // key A, ♭VI
        { 0, 1, 0, "C＃ E A♭", "m" }, // key B, IIm: the mixed table spells G＃ as A♭
        { 7, 6, 1, "D＃ F＃ A", "m(♭5)" }, // key E, VIIm(♭5), in sharps
    };
    for (auto [keyItem, button, sharps, notes, type] : cases) {
        if (sharps)
            Click("cmdOption");
        Find<QComboBox>(chord, "cmbKey")->setCurrentIndex(keyItem);
        Click("cmddiatonic", button);
        EXPECT_EQ(Lit(), notes);
        EXPECT_EQ(Types()->currentText(), type);
    }
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(Find(chord, "cmddiatonic", i)->font().bold(), theory::DiatonicButtons[i].primary);
    Click("cmdOption");
    Click("cmdOption");
    Click("cmdOption"); // mixed again
    Find<QComboBox>(chord, "cmbKey")->setCurrentIndex(11); // C
    Click("cmddiatonic", 4); // V: G Mixolydian
    QSignalSpy root(Find<QScrollBar>(chord, "vsbRoot"), &QScrollBar::valueChanged);
    QSignalSpy types(Find<QScrollBar>(chord, "vsbChordType"), &QScrollBar::valueChanged);
    Click("cmddiatonic", 4);
    EXPECT_EQ(root.count() + types.count(), 0);
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
}

// Interval names chosen in the dialog show at once, stay after a restart and a cancel changes
// nothing; every option shows whole.
TEST_F(ChordWindow, IntervalNamesAndSpellingOutliveARestart)
{
    auto* dialog = Load<DialogChord>(WindowId::Matrix);
    Option(dialog, 6, 1)->setChecked(true);
    Option(dialog, 0, 1)->setChecked(true);
    EXPECT_TRUE(Option(dialog, 5, 0)->isChecked()); // every pair chooses on its own
    for (const QRadioButton* option : dialog->findChildren<QRadioButton*>()) {
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
    Click("cmdOption");
    EXPECT_EQ(ini::ReadIni("Chord", "Cromatic"), ""); // written at close
    chord->close();
    EXPECT_EQ(ini::ReadIni("Chord", "Cromatic"), "1");
    EXPECT_EQ(ini::ReadIni("Chord", "Matrix6"), "増4");
    chord = Load<frmChord>(WindowId::Chord);
    EXPECT_EQ(chord->Spelling(), theory::SpellingMode::Sharps);
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 6)->text(), "増4");
    auto* reopened = Load<DialogChord>(WindowId::Matrix);
    EXPECT_TRUE(Option(reopened, 6, 1)->isChecked());
    Option(reopened, 6, 0)->setChecked(true);
    Find<QPushButton>(reopened, "CancelButton")->click();
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 6)->text(), "増4");
}

TEST_F(ChordWindow, BadSettingsFallBackWhereUnusable)
{
    chord->close();
    settings.Write("[Chord]\r\nCromatic=7\r\nMatrix3=\r\nMatrix4=foo\r\nMatrix5="
        + std::string(300, 'x') + "\r\n");
    chord = Load<frmChord>(WindowId::Chord);
    EXPECT_EQ(chord->Spelling(), theory::SpellingMode::Mixed);
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 3)->text(), "短3");
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 4)->text(), "foo");
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 5)->text(), QString(254, 'x'));
    EXPECT_TRUE(Option(Load<DialogChord>(WindowId::Matrix), 4, 1)->isChecked());
    chord->close();
    EXPECT_EQ(ini::ReadIni("Chord", "Cromatic"), "0");
    EXPECT_EQ(ini::ReadIni("Chord", "Matrix4"), "foo");
}
