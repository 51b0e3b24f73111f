// Every window and dialog walked in either language: in English no Japanese is left, and in
// both no caption is cut off by its control (the suite runs again at twice the scale).
#include "window_fixture.h"

#include "chord/DialogChord.h"
#include "chord/frmChord.h"
#include "midi/MidiDialog.h"
#include "midi/midi.h"
#include "shell/frmLoading.h"
#include "shell/frmMain.h"
#include "shell/language.h"
#include "sound/SoundDialog.h"
#include "sound/sound.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOption>
#include <QTextDocument>

#include <memory>
#include <string_view>

namespace {

using rurized::Language;

// Kana, kanji, Japanese punctuation and full-width forms. The note cells' full-width ＃ and the
// ideographic space that pads them are music, not words.
bool HasJapanese(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0x3000 || u == 0xFF03)
            continue;
        if ((u >= 0x3001 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF)
            || (u >= 0xFF01 && u <= 0xFF60))
            return true;
    }
    return false;
}

// One text a person can read, and where: "frmChord/cmdSarch tooltip".
struct Shown {
    QString where;
    QString text;
};

QString PlainText(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// The window and its controls, not those of the dialogs it owns.
QList<const QWidget*> OwnWidgets(const QWidget* window)
{
    QList<const QWidget*> widgets { window };
    for (const QWidget* child : window->findChildren<QWidget*>())
        if (child->window() == window && child->isVisibleTo(window))
            widgets.push_back(child);
    return widgets;
}

// The window's title, its controls' captions, list items and tooltips, and its actions.
std::vector<Shown> TextsOf(const QWidget* window)
{
    std::vector<Shown> texts;
    const QString name = window->objectName();
    const auto add = [&texts](const QString& where, const QString& text) {
        if (!text.isEmpty())
            texts.push_back({ where, PlainText(text) });
    };
    add(name + " title", window->windowTitle());
    for (const QWidget* widget : OwnWidgets(window)) {
        const QString where = name + "/" + widget->objectName();
        add(where + " tooltip", widget->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            add(where, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(where, button->text());
        if (const auto* list = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                add(where + " item", list->itemText(i));
        if (const auto* list = qobject_cast<const QListWidget*>(widget))
            for (int i = 0; i < list->count(); ++i)
                add(where + " item", list->item(i)->text());
        for (const QAction* action : widget->actions()) {
            // Each language's entry in the launcher's menu is written in its own language.
            if (action->objectName().startsWith(QLatin1String("actLanguage")))
                continue;
            add(where + " action", action->text());
            add(where + " action tooltip", action->toolTip());
        }
    }
    return texts;
}

// Whether a control's caption fits inside it: a label's text within its contents, a button's
// beside its icon within the room the style leaves it, a list's every item in its field.
QString Clipped(const QWidget* widget)
{
    const QFontMetrics metrics(widget->font());
    const auto wider = [&metrics](const QString& text, int room) {
        int widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return widest > room ? text : QString();
    };
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const QString text = PlainText(label->text());
        if (text.isEmpty() || !label->pixmap().isNull())
            return {};
        const QRect room = label->contentsRect().adjusted(
            label->margin(), label->margin(), -label->margin(), -label->margin());
        if (!label->wordWrap())
            return wider(text, room.width() - std::max(label->indent(), 0));
        const QRect needed
            = metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), text);
        return needed.height() > room.height() || needed.width() > room.width() ? text : QString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<const QCheckBox*>(button))
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<const QRadioButton*>(button))
            contents = QStyle::SE_RadioButtonContents;
        int room = button->style()->subElementRect(contents, &option, button).width();
        if (!button->icon().isNull())
            room -= button->iconSize().width() + 4;
        return wider(QString(button->text()).remove(QLatin1Char('&')), room);
    }
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room
            = list->style()
                  ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                  .width();
        for (int i = 0; i < list->count(); ++i)
            if (const QString text = wider(list->itemText(i), room); !text.isEmpty())
                return text;
    }
    return {};
}

// Every window and dialog of the program, loaded as the launcher loads them, with the services'
// dialogs over services that have nothing to play through (so they say why).
class AllWindows : public WindowTest {
protected:
    void TearDown() override { rurized::InstallLanguage(Language::Japanese); }

    std::vector<QWidget*> LoadEveryWindow()
    {
        // The services' first texts are written when they are made, in the language in force.
        sound = std::make_unique<Sound>(
            [](const std::string&, sound::Trouble&) { return nullptr; }, QString());
        midi = std::make_unique<Midi>([](std::string& why) {
            why = "no ports";
            return nullptr;
        });
        launcher = std::make_unique<frmMain>(registry);
        rurized::AddLanguageEntries(*launcher);
        std::vector<QWidget*> windows { launcher.get() };
        for (int id = 0; id < kWindowIdCount; ++id)
            windows.push_back(registry.Touch(static_cast<WindowId>(id)));
        windows.push_back(new SoundDialog(*sound, launcher.get()));
        // The MIDI dialog tries the ports again as it opens; it shows why none opened once the
        // attempt is over.
        QSignalSpy opened(midi.get(), &Midi::Opened);
        windows.push_back(new MidiDialog(*midi, launcher.get()));
        for (QWidget* window : windows)
            window->show();
        EXPECT_TRUE(opened.wait(5000));
        QApplication::processEvents();
        return windows;
    }

    std::unique_ptr<Sound> sound;
    std::unique_ptr<Midi> midi;
    std::unique_ptr<frmMain> launcher; // owns the dialogs, which use the services
};

class EveryWindow : public AllWindows, public testing::WithParamInterface<Language> {
protected:
    void SetUp() override { rurized::InstallLanguage(GetParam()); }
};

class InEnglish : public AllWindows {
protected:
    void SetUp() override { rurized::InstallLanguage(Language::English); }

    // The line Ctrl+C puts on the clipboard in window id.
    static QString Copied(QWidget* window)
    {
        QGuiApplication::clipboard()->clear();
        for (QAction* action : window->actions()) {
            if (action->shortcut() == QKeySequence::Copy)
                action->trigger();
        }
        return QGuiApplication::clipboard()->text();
    }
};

} // namespace

TEST_P(EveryWindow, ShowsNoTextCutOff)
{
    for (QWidget* window : LoadEveryWindow()) {
        for (const QWidget* control : OwnWidgets(window)) {
            const QString clipped = Clipped(control);
            EXPECT_TRUE(clipped.isEmpty())
                << (window->objectName() + "/" + control->objectName() + ": " + clipped)
                       .toStdString();
        }
    }
}

// The splash shows its lines from outlines the build drew, in either language, so that it
// loads no font before the launcher appears.
TEST_P(EveryWindow, SplashLinesAreStoredOutlines)
{
    for (const SplashLine& line : kSplashLines)
        EXPECT_FALSE(StoredOutline(QString::fromUtf8(line.name)).isEmpty()) << line.name;
}

TEST_F(InEnglish, EveryWindowShowsNoJapanese)
{
    ASSERT_EQ(rurized::CurrentLanguage(), Language::English);
    for (QWidget* window : LoadEveryWindow())
        for (const Shown& shown : TextsOf(window))
            EXPECT_FALSE(HasJapanese(shown.text))
                << shown.where.toStdString() << ": " << shown.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, EveryWindow,
    testing::Values(Language::Japanese, Language::English),
    [](const testing::TestParamInfo<Language>& info) {
        return info.param == Language::English ? std::string("English") : std::string("Japanese");
    });

// The chord window names its slots with the English short forms, and the interval-name dialog
// offers each slot's two; the copied lines are the same music with English words. A name chosen
// in English is kept as the choice, so Japanese shows it as its own name.
TEST_F(InEnglish, IntervalNamesAndCopiedLines)
{
    auto* chord = Load<frmChord>(WindowId::Chord);
    auto* types = Find<QComboBox>(chord, "cmbChordType");
    types->setCurrentIndex(types->findText("7(♭9)"));
    QStringList names;
    for (int slot : { 0, 4, 7, 10, 12 })
        names << Find<QLabel>(chord, "Matrix", slot)->text();
    EXPECT_EQ(names.join(' '), "P1 M3 P5 m7 ♭9");
    for (int click = 0; click < 2; ++click) // mixed, sharps, flats
        Find<QPushButton>(chord, "cmdOption")->click();
    EXPECT_EQ(Copied(chord), "C 7(♭9): C E G B♭ D♭");
    EXPECT_EQ(Copied(Load<QWidget>(WindowId::Key)), "Key: C Am V: G Em IV: F Dm");

    auto* dialog = Load<DialogChord>(WindowId::Matrix);
    const auto option = [dialog](int slot, int element) {
        return Find<QRadioButton>(dialog, QStringLiteral("Option%1(%2)").arg(slot).arg(element));
    };
    EXPECT_EQ(option(6, 0)->text() + "/" + option(6, 1)->text(), "♭5/♯4");
    EXPECT_EQ(option(0, 0)->text() + "/" + option(0, 1)->text(), "P1/R");
    option(6, 1)->setChecked(true);
    Find<QPushButton>(dialog, "OKButton")->click();
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 6)->text(), "♯4");
    chord->close();
    rurized::InstallLanguage(Language::Japanese);
    chord = Load<frmChord>(WindowId::Chord);
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 6)->text(), "増4");
}

// [Main] Language wins when it names a language; otherwise the desktop's first language does,
// Japanese only for Japanese.
TEST(Language, SettingThenDesktopChooses)
{
    const struct {
        const char* setting;
        QStringList desktop;
        Language chosen;
    } rows[] = {
        { "", { "ja-JP", "en-US" }, Language::Japanese },
        { "", { "ja" }, Language::Japanese },
        { "", { "en-US", "ja-JP" }, Language::English },
        { "", { "de-DE" }, Language::English },
        { "", {}, Language::English },
        { "en", { "ja-JP" }, Language::English },
        { " JA ", { "en-GB" }, Language::Japanese },
        { "fr", { "ja-JP" }, Language::Japanese },
    };
    for (const auto& row : rows)
        EXPECT_EQ(rurized::ChooseLanguage(row.setting, row.desktop), row.chosen)
            << row.setting << " " << row.desktop.join(',').toStdString();
}
