// Fontconfig reads its configuration and its font caches the first time it is asked anything:
// a third of the program's start-up, spent before the windows can choose their faces (which
// asks fontconfig which Gothic this system has). Starting that on a second thread as the
// program starts lets it overlap Qt's own start (loading the platform plug-in, connecting to
// the display).
#pragma once

#include <thread>

class FontConfigWarmUp {
public:
    // Starts fontconfig's loading on a second thread.
    FontConfigWarmUp();
    // Waits for it, if Wait() has not.
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Returns once fontconfig is ready; call it before the first font is used, so that Qt does
    // not start the same loading a second time alongside. Nothing else may run on the thread
    // after that: when no session bus is known, libdbus forks a helper as the accessibility
    // bridge starts, and a thread busy in the allocator at that moment can leave the helper,
    // and the program waiting for it, stuck for good.
    void Wait();

private:
    std::thread thread_;
};
