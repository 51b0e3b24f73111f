// Runs the fuzz target once over each file in the folder named, so that the seed corpus is a
// regression test in every build, with or without libFuzzer.
#include "tests/settings_folder.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[])
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string bytes = SettingsFolder::Bytes(entry.path());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    return std::filesystem::is_empty(folder); // a folder without seeds tests nothing
}
