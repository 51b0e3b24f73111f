#include "shell/font_warmup.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

// FcInit is safe to call from any thread and does its work once; Qt's own call later finds it
// done. Listing the families makes Qt fill its font database, under its own lock: a font asked
// for on the main thread meanwhile waits for the list instead of making it a second time.
FontWarmUp::FontWarmUp()
    : thread_([listFonts = listFonts_.get_future()]() mutable {
        FcInit();
        if (listFonts.get())
            QFontDatabase::families();
    })
{
}

FontWarmUp::~FontWarmUp() { Wait(); }

void FontWarmUp::ListFonts()
{
    if (!answered_) {
        listFonts_.set_value(true);
        answered_ = true;
    }
}

void FontWarmUp::Wait()
{
    if (!answered_) {
        listFonts_.set_value(false);
        answered_ = true;
    }
    if (thread_.joinable())
        thread_.join();
}
