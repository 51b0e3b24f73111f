// The windows of the program, loaded on first touch and forgotten when closed.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

// Every window the launcher loads, shows, hides or closes.
enum class WindowId {
    Scale,
    Key,
    Chord,
    Memo,
    Reference,
    Loading,
    Author,
    Search,
    Matrix,
    Progression,
    Instrument,
};
inline constexpr int kWindowIdCount = 11;

class WindowRegistry : public QObject {
    Q_OBJECT

public:
    // Builds a window; its constructor is the window's load handler (it reads its settings and
    // restores its position) and leaves the window hidden.
    using Factory = std::function<QWidget*(WindowRegistry&)>;

    // Deletes the windows still loaded.
    ~WindowRegistry() override;

    void Register(WindowId id, Factory make);

    // False for a window this build does not have yet: the launcher then skips it.
    bool Knows(WindowId id) const;

    // The window, loaded (hidden) if it is not; nullptr for a window this build lacks.
    QWidget* Touch(WindowId id);
    template <class Window> Window* TouchAs(WindowId id)
    {
        return qobject_cast<Window*>(Touch(id));
    }

    // Shows the window, loading it if need be, raised and active, on top of the others while the
    // launcher says so.
    void Show(WindowId id);

    // The window if it is loaded, else nullptr; never loads.
    QWidget* Loaded(WindowId id) const;

    // Closes a loaded window, which runs its close handler; does nothing otherwise.
    void Close(WindowId id);

    // The launcher, beside which the splash shows.
    void SetMain(QWidget* main);
    QWidget* Main() const;

    // True while every window is meant to stay on top; windows and dialogs follow it as they
    // open.
    bool WindowFlag() const { return windowFlag_; }
    void SetWindowFlag(bool flag) { windowFlag_ = flag; }

signals:
    // A window has just been loaded, or closed and forgotten, so others that use it can follow.
    void WindowLoaded(WindowId id);
    void WindowUnloaded(WindowId id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        Factory make;
        QPointer<QWidget> window;
    };
    Entry& At(WindowId id) { return entries_[static_cast<std::size_t>(id)]; }
    const Entry& At(WindowId id) const { return entries_[static_cast<std::size_t>(id)]; }

    std::array<Entry, kWindowIdCount> entries_;
    QPointer<QWidget> main_;
    bool windowFlag_ = false;
};
