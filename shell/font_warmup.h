// Fonts cost the better part of the start-up, all of it before the splash can draw a letter:
// fontconfig reads its configuration and font caches the first time a font is asked for, and Qt
// then lists every installed font. A second thread does the first while Qt starts (the platform
// plug-in, the display connection) and the second once the application exists, while the main
// thread builds the launcher, which waits for the session bus as the accessibility bridge
// connects to it. Qt's font database is safe to use from any thread.
#pragma once

#include <future>
#include <thread>

class FontWarmUp {
public:
    // Starts fontconfig's loading on a second thread.
    FontWarmUp();
    // Waits for the thread, if Wait() has not.
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Lets the thread go on to list Qt's fonts. Call it once the QApplication exists, and Wait()
    // before the application ends.
    void ListFonts();
    // Returns once the thread is done; without ListFonts() it lists nothing.
    void Wait();

private:
    std::promise<bool> listFonts_;
    bool answered_ = false;
    std::thread thread_;
};
