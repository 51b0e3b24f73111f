// Writes every key of the program's settings file, round after round, as a shut-down writes
// them, until it is killed. It says "w" on standard output once it is about to write.
// Usage: ini_writer FOLDER FIRST_ROUND [LAST_ROUND]
#include "program_keys.h"
#include "settings/ini.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    ini::SetIniDir(argv[1]);
    const long first = std::atol(argv[2]);
    const long last = argc > 3 ? std::atol(argv[3]) : std::numeric_limits<long>::max();
    std::fputs("w", stdout);
    std::fflush(stdout);
    for (long round = first; round <= last; ++round) {
        for (const auto& [section, key] : ProgramKeys()) {
            if (ini::WriteIni(section, key, ValueInRound(key, round)) == 0)
                return 1;
        }
    }
    return 0;
}
