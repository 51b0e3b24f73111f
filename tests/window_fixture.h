// A registry holding every window of the program over a fresh settings folder, for window
// tests.
#pragma once

#include "settings_folder.h"

#include "app/windows.h"
#include "shell/controls.h"
#include "shell/registry.h"
#include "shell/player.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Keeps what the windows ask to play instead of sounding it.
class RecordingPlayer : public Player {
public:
    void Play(const theory::Phrase& phrase) override { played.push_back(phrase); }
    void Unavailable(const QString& why) { SetWhyUnavailable(why); }
    std::vector<theory::Phrase> played;
};

// A window's control by its objectName, as a user's tools find it: "vsbRoot", "lblNote(4)".
template <class Control = QWidget> Control* Find(const QWidget* window, const QString& name)
{
    auto* control = window->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

// Element index of a control array: Find<QLabel>(chord, "lblNote", 4).
template <class Control = QWidget> Control* Find(const QWidget* window, const char* name, int index)
{
    return Find<Control>(window, ui::ArrayName(name, index));
}

class WindowTest : public testing::Test {
protected:
    WindowTest() { RegisterWindows(registry, player); }

    // Loads a window as the launcher does: hidden, running its load.
    template <class Window> Window* Load(WindowId id)
    {
        auto* window = registry.TouchAs<Window>(id);
        EXPECT_NE(window, nullptr);
        return window;
    }

    SettingsFolder settings;
    RecordingPlayer player;
    WindowRegistry registry;
};

// GoogleTest prints a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A label's background colour as the user sees it.
inline QColor Background(const QWidget* label) { return label->palette().color(QPalette::Window); }

// A label's text as a musician reads it: without the padding of two-character cells.
inline QString Name(const QWidget* label)
{
    return static_cast<const QLabel*>(label)->text().remove(QChar(0x3000)).trimmed();
}
