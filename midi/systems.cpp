#include "midi/systems.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace midi {
namespace {

    bool Exists(const std::filesystem::path& path)
    {
        std::error_code error;
        return std::filesystem::exists(path, error);
    }

} // namespace

std::string WhyNoMidiSystem()
{
    if (Exists("/dev/snd/seq"))
        return {};
    // jackd listens on /dev/shm/jack_SERVER_UID_0, or jack_SERVER_0 when it serves every user;
    // the server is JACK_DEFAULT_SERVER's, as libjack finds it.
    const char* named = std::getenv("JACK_DEFAULT_SERVER");
    const std::string socket
        = std::string("/dev/shm/jack_") + (named && *named ? named : "default");
    if (Exists(socket + "_" + std::to_string(::getuid()) + "_0") || Exists(socket + "_0"))
        return {};
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime && Exists(std::filesystem::path(runtime) / "pipewire-0"))
        return {};
    return "no /dev/snd/seq, no JACK server";
}

} // namespace midi
