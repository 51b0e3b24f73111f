// A program killed while it writes its settings leaves a whole file behind: every key there,
// none gone back to an older value, and at most the one temporary file of the killed write beside
// it, which the next write removes.
#include "program_keys.h"
#include "settings_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Starts the writer from round first; returns its process id once it is about to write.
pid_t StartWriter(const SettingsFolder& folder, long first, long last)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(ready[1], STDOUT_FILENO);
        const std::string dir = folder.File().parent_path().string();
        const std::string from = std::to_string(first);
        const std::string to = std::to_string(last);
        execl(INI_WRITER, INI_WRITER, dir.c_str(), from.c_str(), to.c_str(), nullptr);
        _exit(127);
    }
    close(ready[1]);
    char said = 0;
    if (read(ready[0], &said, 1) != 1)
        ADD_FAILURE() << "the writer did not start";
    close(ready[0]);
    return pid;
}

int WaitFor(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

std::set<std::string> Listing(const SettingsFolder& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.File().parent_path()))
        names.insert(entry.path().filename().string());
    return names;
}

// The file's lines with their values taken off: the sections and keys in the order they stand.
std::vector<std::string> Skeleton(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t equals = line.find('=');
        lines.push_back(equals == std::string::npos ? line : line.substr(0, equals + 1));
    }
    return lines;
}

std::vector<std::string> ExpectedSkeleton()
{
    std::vector<std::string> lines;
    std::map<std::string, std::vector<std::string>> keys;
    std::vector<std::string> sections;
    for (const auto& [section, key] : ProgramKeys()) {
        if (keys.find(section) == keys.end())
            sections.push_back(section);
        keys[section].push_back(key + "=");
    }
    for (const auto& section : sections) {
        lines.push_back("[" + section + "]");
        lines.insert(lines.end(), keys[section].begin(), keys[section].end());
    }
    return lines;
}

// The round a key's value was written in, or -1 when the value is not one the writer writes.
long RoundOf(const std::string& key, const std::string& value)
{
    if (key == "WindowFlag")
        return value == "True" || value == "False" ? 0 : -1;
    const std::string digits = key.rfind("Matrix", 0) == 0 && value.rfind("増", 0) == 0
        ? value.substr(std::string("増").size())
        : value;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stol(digits);
}

}

TEST(KilledWhileWriting, LeavesAWholeFile)
{
    SettingsFolder folder;
    ASSERT_EQ(WaitFor(StartWriter(folder, 0, 0)), 0);

    std::map<std::string, long> newest;
    // A fixed seed: the same kill moments every run.
    std::mt19937 random(8);
    std::uniform_int_distribution<useconds_t> moment(0, 20000);
    for (long kill = 1; kill <= 300; ++kill) {
        const pid_t writer = StartWriter(folder, kill * 1000000, std::numeric_limits<long>::max());
        usleep(moment(random));
        ::kill(writer, SIGKILL);
        const int status = WaitFor(writer);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own, status " << status;

        SCOPED_TRACE("after kill " + std::to_string(kill));
        ASSERT_EQ(Skeleton(folder.Text()), ExpectedSkeleton());
        for (const auto& [section, key] : ProgramKeys()) {
            const std::string value = ini::ReadIni(section, key);
            const long round = RoundOf(key, value);
            ASSERT_GE(round, 0) << section << "/" << key << "=" << value;
            ASSERT_GE(round, newest[section + "/" + key]) << section << "/" << key << " went back";
            newest[section + "/" + key] = round;
        }
        // The temporary file of the write that was killed may lie there until the next write.
        ASSERT_LE(Listing(folder).size(), 2u);
    }
    ASSERT_EQ(WaitFor(StartWriter(folder, 1000000000, 1000000000)), 0);
    EXPECT_EQ(Listing(folder), std::set<std::string> { "Rurized.ini" });
}
