#include "window_fixture.h"

#include "scale/frmScale.h"

#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>

#include <set>

namespace {

const QColor kOccupied(0, 0, 64);
const QColor kEmpty(0, 0, 0);

QString Row(const frmScale& scale)
{
    QStringList names;
    for (const QLabel* cell : scale.findChildren<QLabel*>(QRegularExpression("^lblScale"))) {
        const QString name = cell->text().remove(QChar(0x3000)).trimmed();
        names << (name.isEmpty() ? "-" : name);
    }
    return names.join(' ');
}

QString Colours(const frmScale& scale)
{
    QString colours;
    for (const QLabel* cell : scale.findChildren<QLabel*>(QRegularExpression("^lblScale")))
        colours += Background(cell) == kOccupied ? 'o' : Background(cell) == kEmpty ? '.' : '?';
    return colours;
}

class ScaleWindow : public WindowTest {
protected:
    frmScale* scale = Load<frmScale>(WindowId::Scale);
};

} // namespace

TEST_F(ScaleWindow, FirstStartShowsCMajorInSharps)
{
    EXPECT_EQ(scale->windowTitle(), "ScaleView");
    EXPECT_EQ(Row(*scale), "C D E F G A B -");
    EXPECT_EQ(Colours(*scale), "ooooooo.");
    EXPECT_EQ(Find<QLabel>(scale, "lblScale", 7)->text(), "  ");
    EXPECT_EQ(registry.Loaded(WindowId::Chord), nullptr); // the scale window stands alone
}

TEST_F(ScaleWindow, RootStepsUpBySemitones)
{
    const char* const rows[]
        = { "C＃ D＃ F F＃ G＃ A＃ C -", "C＃ E♭ F F＃ A♭ B♭ C -", "D♭ E♭ F G♭ A♭ B♭ C -" };
    Find<QScrollBar>(scale, "vsbRoot")->setValue(10);
    EXPECT_EQ(Row(*scale), rows[0]);
    Find<QPushButton>(scale, "cmdOption")->click(); // sharps -> flats
    EXPECT_EQ(Row(*scale), rows[2]);
    Find<QPushButton>(scale, "cmdOption")->click();
    Find<QPushButton>(scale, "cmdOption")->click(); // -> by key -> mixed
    EXPECT_EQ(Row(*scale), rows[1]);
}

TEST_F(ScaleWindow, EmptySlotsAreBlack)
{
    Find<QComboBox>(scale, "cmbModeScale")->setCurrentIndex(16); // Whole tone
    EXPECT_EQ(Colours(*scale), "oooooo..");
    Find<QScrollBar>(scale, "vsbMode")->setValue(20); // Ryukyu
    EXPECT_EQ(Find<QComboBox>(scale, "cmbModeScale")->currentText(), "Ryukyu");
    EXPECT_EQ(Colours(*scale), "o.ooo.o.");
    Find<QScrollBar>(scale, "vsbMode")->setValue(17);
    EXPECT_EQ(Colours(*scale), "oooooooo");
}

TEST_F(ScaleWindow, ListAndScrollBarStayOnOneIndex)
{
    Find<QComboBox>(scale, "cmbModeScale")->setCurrentIndex(9);
    EXPECT_EQ(Find<QScrollBar>(scale, "vsbMode")->value(), 9);
    Find<QScrollBar>(scale, "vsbMode")->setValue(1);
    EXPECT_EQ(Find<QComboBox>(scale, "cmbModeScale")->currentIndex(), 1);
    EXPECT_EQ(Row(*scale), "C D D＃ F G A A＃ -");
}

TEST_F(ScaleWindow, SpellingCyclesFourModesAndIsWrittenOnlyAtClose)
{
    Find<QScrollBar>(scale, "vsbRoot")->setValue(5); // F＃
    const char* const rows[] = { "G♭ A♭ B♭ B D♭ E♭ F -", "F＃ G＃ A＃ B C＃ D＃ E＃ -",
        "F＃ A♭ B♭ B C＃ E♭ F -", "F＃ G＃ A＃ B C＃ D＃ F -" }; // flats, by key, mixed, sharps
    std::set<qint64> pictures;
    for (const char* row : rows) {
        Find<QPushButton>(scale, "cmdOption")->click();
        EXPECT_EQ(Row(*scale), row);
        pictures.insert(Find<QPushButton>(scale, "cmdOption")->icon().cacheKey());
    }
    EXPECT_EQ(pictures.size(), 4u);
    Find<QPushButton>(scale, "cmdOption")->click();
    Find<QPushButton>(scale, "cmdOption")->click();
    EXPECT_TRUE(Section("Scale").empty());
    scale->close();
    EXPECT_EQ(
        Section("Scale"), (std::vector<std::string> { "Cromatic=3", "Top=1440", "Left=975" }));
}

TEST_F(ScaleWindow, StoredSpellingIsRestoredAndAnUnusableOneFallsBack)
{
    const std::pair<const char*, const char*> rows[] = {
        { "2", "D♭ E♭ F G♭ A♭ B♭ C -" },
        { "0", "C＃ E♭ F F＃ A♭ B♭ C -" },
        { "3", "D♭ E♭ F G♭ A♭ B♭ C -" },
        { "7", "C＃ D＃ F F＃ G＃ A＃ C -" },
        { "x", "C＃ D＃ F F＃ G＃ A＃ C -" },
    };
    for (auto [stored, row] : rows) {
        scale->close();
        settings.Write(std::string("[Scale]\r\nCromatic=") + stored + "\r\n");
        scale = Load<frmScale>(WindowId::Scale);
        Find<QScrollBar>(scale, "vsbRoot")->setValue(10);
        EXPECT_EQ(Row(*scale), row) << stored;
    }
    scale->close();
    EXPECT_EQ(Section("Scale")[0], "Cromatic=1");
}
