#include "shell/fontconfig_warmup.h"

#include <fontconfig/fontconfig.h>

// FcInit is safe to call from any thread and does its work once; Qt's own call later finds it
// done.
FontConfigWarmUp::FontConfigWarmUp()
    : thread_([] { FcInit(); })
{
}

FontConfigWarmUp::~FontConfigWarmUp() { Wait(); }

void FontConfigWarmUp::Wait()
{
    if (thread_.joinable())
        thread_.join();
}
