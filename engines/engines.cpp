#include "engines/engines.h"

#include "engines/module.h"
#include "midi/systems.h"

#include <QCoreApplication>
#include <QDir>

#include <dlfcn.h>

namespace engines {

namespace {

    // A module's entry point, loaded once by whichever worker comes first and kept until the
    // program ends; else why not.
    template <class Entry> struct Module {
        Entry* entry = nullptr;
        std::string why;

        Module(const char* file, const char* name)
        {
            const std::string path
                = QDir(QCoreApplication::applicationDirPath()).filePath(file).toStdString();
            void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (!handle) {
                const char* error = ::dlerror();
                why = error ? error : path;
                return;
            }
            entry = reinterpret_cast<Entry*>(::dlsym(handle, name));
            if (!entry)
                why = path + ": not a module of this program";
        }
    };

} // namespace

std::unique_ptr<sound::Synth> LoadSynth(const std::string& soundFont, sound::Trouble& why)
{
    static const Module<rurized_load_synth_t> module(kSynthModule, "rurized_load_synth");
    if (!module.entry) {
        why = sound::Trouble::NoEngine;
        return nullptr;
    }
    return std::unique_ptr<sound::Synth>(module.entry(soundFont, why));
}

std::unique_ptr<midi::Ports> OpenPorts(std::string& why)
{
    // RtMidi is not loaded where it could open nothing.
    if (why = midi::WhyNoMidiSystem(); !why.empty())
        return nullptr;
    static const Module<rurized_open_ports_t> module(kMidiModule, "rurized_open_ports");
    if (!module.entry) {
        why = module.why;
        return nullptr;
    }
    return std::unique_ptr<midi::Ports>(module.entry(why));
}

} // namespace engines
