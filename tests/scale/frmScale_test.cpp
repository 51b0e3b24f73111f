#include "window_fixture.h"

#include "scale/frmScale.h"

#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>

namespace {

class ScaleWindow : public WindowTest {
protected:
    // The eight cells as the user reads them, "-" for an empty one, and their colours: 'o' on
    // navy for a note, '.' on black for an empty slot.
    QString Row() const
    {
        QStringList names;
        QString colours;
        for (const QLabel* cell : scale->findChildren<QLabel*>(QRegularExpression("^lblScale"))) {
            names << (Name(cell).isEmpty() ? "-" : Name(cell));
            colours += Background(cell) == QColor(0, 0, 64) ? 'o'
                : Background(cell) == QColor(0, 0, 0)       ? '.'
                                                            : '?';
        }
        return names.join(' ') + " " + colours;
    }
    void Spell() const { Find<QPushButton>(scale, "cmdOption")->click(); }

    frmScale* scale = Load<frmScale>(WindowId::Scale);
};

} // namespace

// A first start shows C major in sharps; the list and its scroll bar stay on one index; empty
// slots are black.
TEST_F(ScaleWindow, ShowsTheScaleOnTheRoot)
{
    EXPECT_EQ(Row(), "C D E F G A B - ooooooo.");
    Find<QComboBox>(scale, "cmbModeScale")->setCurrentIndex(20);
    EXPECT_EQ(Find<QScrollBar>(scale, "vsbMode")->value(), 20);
    EXPECT_EQ(Row(), "C - E F G - B - o.ooo.o.");
    Find<QScrollBar>(scale, "vsbMode")->setValue(17);
    EXPECT_EQ(Find<QComboBox>(scale, "cmbModeScale")->currentIndex(), 17);
    Find<QScrollBar>(scale, "vsbRoot")->setValue(10); // C＃: the thumb at the bottom is C
    EXPECT_EQ(Row(), "C＃ D E F G G＃ A＃ B oooooooo");
}

// The fitting button steps through the scales on the root that hold the chord window's chord,
// its key's own mode first, and says so when there is no chord.
TEST_F(ScaleWindow, StepsThroughTheScalesThatHoldTheChord)
{
    Find<QPushButton>(scale, "cmdFit")->click();
    EXPECT_EQ(Find<QScrollBar>(scale, "vsbMode")->value(), 0);
    auto* chord = Load<QWidget>(WindowId::Chord);
    Find<QComboBox>(chord, "cmbKey")->setCurrentIndex(11); // C
    Find<QPushButton>(chord, "cmddiatonic(1)")->click(); // Dm
    Find<QScrollBar>(scale, "vsbRoot")->setValue(9); // D
    for (const char* name : { "Dorian", "Phrygian", "Aeolian(Natural Minor)", "Melodic minor" }) {
        Find<QPushButton>(scale, "cmdFit")->click();
        EXPECT_EQ(Find<QComboBox>(scale, "cmbModeScale")->currentText(), name);
    }
}

// The spelling cycles through four modes and is written only at close; an unusable stored one
// falls back to sharps (the chord window's test restores a stored one).
TEST_F(ScaleWindow, SpellingCyclesFourModesAndIsKept)
{
    Find<QScrollBar>(scale, "vsbRoot")->setValue(5); // F＃
    for (const char* row : { "G♭ A♭ B♭ B D♭ E♭ F -", "F＃ G＃ A＃ B C＃ D＃ E＃ -",
             "F＃ A♭ B♭ B C＃ E♭ F -", "F＃ G＃ A＃ B C＃ D＃ F -" }) {
        Spell();
        EXPECT_EQ(Row(), QString(row) + " ooooooo.");
    }
    Spell();
    Spell();
    EXPECT_EQ(ini::ReadIni("Scale", "Cromatic"), "");
    scale->close();
    EXPECT_EQ(ini::ReadIni("Scale", "Cromatic"), "3");
    settings.Write("[Scale]\r\nCromatic=7\r\n");
    scale = Load<frmScale>(WindowId::Scale);
    Find<QScrollBar>(scale, "vsbRoot")->setValue(10);
    EXPECT_EQ(Row(), "C＃ D＃ F F＃ G＃ A＃ C - ooooooo.");
}
