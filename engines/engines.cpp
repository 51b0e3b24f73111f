#include "engines/engines.h"

#include "engines/module.h"

#include <QCoreApplication>
#include <QDir>

#include <dlfcn.h>
#include <mutex>

namespace engines {

namespace {

struct Module {
    rurized_load_synth_t* loadSynth = nullptr;
    rurized_open_ports_t* openPorts = nullptr;
    std::string why;
};

// Loaded once, by whichever worker comes first, and kept until the program ends.
const Module& TheModule()
{
    static Module module;
    static std::once_flag once;
    std::call_once(once, [] {
        const std::string path
            = QDir(QCoreApplication::applicationDirPath()).filePath(kModule).toStdString();
        void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* error = ::dlerror();
            module.why = error ? error : path;
            return;
        }
        module.loadSynth
            = reinterpret_cast<rurized_load_synth_t*>(::dlsym(handle, "rurized_load_synth"));
        module.openPorts
            = reinterpret_cast<rurized_open_ports_t*>(::dlsym(handle, "rurized_open_ports"));
        if (!module.loadSynth || !module.openPorts)
            module.why = path + ": not the engines module of this program";
    });
    return module;
}

} // namespace

std::unique_ptr<sound::Synth> LoadSynth(const std::string& soundFont, sound::Trouble& why)
{
    const Module& module = TheModule();
    if (!module.loadSynth) {
        why = sound::Trouble::NoEngine;
        return nullptr;
    }
    return std::unique_ptr<sound::Synth>(module.loadSynth(soundFont, why));
}

std::unique_ptr<midi::Ports> OpenPorts(std::string& why)
{
    const Module& module = TheModule();
    if (!module.openPorts) {
        why = module.why;
        return nullptr;
    }
    return std::unique_ptr<midi::Ports>(module.openPorts(why));
}

} // namespace engines
