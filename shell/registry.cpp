#include "shell/registry.h"

#include "shell/toppos.h"

#include <QEvent>

WindowRegistry::~WindowRegistry()
{
    for (Entry& entry : entries_)
        delete entry.window.data();
}

void WindowRegistry::Register(WindowId id, Factory make) { At(id).make = std::move(make); }

bool WindowRegistry::Knows(WindowId id) const { return static_cast<bool>(At(id).make); }

QWidget* WindowRegistry::Touch(WindowId id)
{
    Entry& entry = At(id);
    if (!entry.window && entry.make) {
        QWidget* window = entry.make(*this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->installEventFilter(this);
        entry.window = window;
        emit WindowLoaded(id);
    }
    return entry.window;
}

void WindowRegistry::Show(WindowId id)
{
    QWidget* window = Touch(id);
    if (!window)
        return;
    if (windowFlag_)
        TopMostOn(window);
    window->show();
    window->raise();
    window->activateWindow();
}

QWidget* WindowRegistry::Loaded(WindowId id) const { return At(id).window; }

void WindowRegistry::Close(WindowId id)
{
    if (QWidget* window = At(id).window)
        window->close();
}

void WindowRegistry::SetMain(QWidget* main) { main_ = main; }

QWidget* WindowRegistry::Main() const { return main_; }

bool WindowRegistry::eventFilter(QObject* watched, QEvent* event)
{
    // A window's close handler never refuses, and the window is deleted once the event loop
    // comes round: forget it now, so that the next touch loads a fresh one.
    if (event->type() == QEvent::Close) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].window == watched) {
                entries_[i].window = nullptr;
                emit WindowUnloaded(static_cast<WindowId>(i));
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
