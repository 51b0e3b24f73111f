// A program killed while it writes its settings leaves a whole file behind: every key there,
// none gone back to an older value, and at most the one temporary file of the killed write beside
// it, which the next write removes.
#include "settings_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Keys as a shut-down writes them, in three sections, Shift-JIS among them.
const std::pair<const char*, const char*> kKeys[] = { { "Scale", "Cromatic" }, { "Scale", "Top" },
    { "Chord", "Matrix6" }, { "Chord", "Top" }, { "Main", "Top" }, { "Main", "WindowFlag" } };

// A writer that gives every key the round's number, behind 増 in Chord, round after round
// from first until it is killed.
pid_t StartWriter(long first)
{
    const pid_t pid = fork();
    for (long round = first; pid == 0; ++round) {
        for (const auto& [section, key] : kKeys) {
            if (ini::WriteIni(section, key, (section[0] == 'C' ? "増" : "") + std::to_string(round))
                == 0)
                _exit(1);
        }
    }
    return pid;
}

std::size_t FilesIn(const SettingsFolder& folder)
{
    const auto entries = std::filesystem::directory_iterator(folder.File().parent_path());
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

}

TEST(KilledWhileWriting, LeavesAWholeFile)
{
    SettingsFolder folder;
    for (const auto& [section, key] : kKeys)
        ASSERT_NE(ini::WriteIni(section, key, section[0] == 'C' ? "増0" : "0"), 0);
    std::map<std::string, long> newest;
    std::mt19937 random(8); // a fixed seed: the same kill moments every run
    std::uniform_int_distribution<useconds_t> moment(0, 20000);
    for (long kill = 1; kill <= 200; ++kill) {
        const pid_t writer = StartWriter(kill * 1000000);
        usleep(moment(random));
        ::kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own, status " << status;
        SCOPED_TRACE("after kill " + std::to_string(kill));
        for (const auto& [section, key] : kKeys) {
            std::string value = ini::ReadIni(section, key);
            if (section[0] == 'C')
                value = value.rfind("増", 0) == 0 ? value.substr(3) : "";
            ASSERT_FALSE(value.empty() || value.find_first_not_of("0123456789") != value.npos)
                << section << "/" << key << "=" << value;
            ASSERT_GE(std::stol(value), newest[key + std::string(section)]) << "went back";
            newest[key + std::string(section)] = std::stol(value);
        }
        ASSERT_LE(FilesIn(folder), 2u); // the killed write's temporary file, until the next
    }
    ASSERT_NE(ini::WriteIni("Main", "Top", "1"), 0);
    EXPECT_EQ(FilesIn(folder), 1u);
}
