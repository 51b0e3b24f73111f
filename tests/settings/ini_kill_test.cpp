// A program killed while it writes its settings leaves a whole file behind: every key there, none
// gone back to an older value; the next write removes the killed write's temporary file.
#include "settings/convert.h"
#include "settings_folder.h"

#include <gtest/gtest.h>

#include <random>

#include <signal.h>
#include <sys/wait.h>

TEST(KilledWhileWriting, LeavesAWholeFile)
{
    // Keys as a shut-down writes them, in three sections.
    const std::pair<const char*, const char*> keys[]
        = { { "Scale", "Cromatic" }, { "Scale", "Top" }, { "Chord", "Matrix6" }, { "Chord", "Top" },
              { "Main", "Top" }, { "Main", "WindowFlag" } };
    SettingsFolder folder;
    for (const auto& [section, key] : keys)
        ASSERT_NE(ini::WriteIni(section, key, "0"), 0);
    std::int32_t newest[std::size(keys)] = {};
    std::minstd_rand moment(8); // a fixed seed: the same kill moments every run
    for (int kill = 1; kill <= 200; ++kill) {
        // The writer gives every key the round's number, round after round until it is killed.
        const pid_t writer = fork();
        for (int round = kill * 1000000; writer == 0; ++round)
            for (const auto& [section, key] : keys)
                if (ini::WriteIni(section, key, std::to_string(round)) == 0)
                    _exit(1);
        usleep(moment() % 20000);
        ::kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own, status " << status;
        for (std::size_t i = 0; i < std::size(keys); ++i) {
            const auto value = ini::ToLong(ini::ReadIni(keys[i].first, keys[i].second));
            ASSERT_TRUE(value && *value >= newest[i]) << "key " << i << " after kill " << kill;
            newest[i] = *value;
        }
    }
    ASSERT_NE(ini::WriteIni("Main", "Top", "1"), 0);
    const auto entries = std::filesystem::directory_iterator(folder.File().parent_path());
    EXPECT_EQ(std::distance(begin(entries), end(entries)), 1); // the killed write's file went
}
