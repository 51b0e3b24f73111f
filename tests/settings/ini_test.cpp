#include "settings/convert.h"
#include "settings/ini.h"
#include "settings/ini_seam.h"
#include "settings_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The bytes of UTF-16 text, its byte-order mark first, least significant byte first or last.
std::string Utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes;
    for (const char16_t unit : u"\uFEFF" + std::u16string(text)) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string { high, low } : std::string { low, high };
    }
    return bytes;
}

// Each test gets its own empty folder as the program's folder.
class IniFile : public ::testing::Test {
protected:
    // A folder made read-only by a test must be writable again to be removed.
    void TearDown() override
    {
        ini::SetFileCalls({});
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    }

    std::string Path() const { return folder_.File().string(); }

    std::set<std::string> Listing() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.insert(entry.path().filename().string());
        return names;
    }

    // Whether a refused write left the file as it was, not even touched.
    void ExpectUntouched(const std::string& before)
    {
        EXPECT_TRUE(folder_.Text() == before);
        struct stat status { };
        stat(Path().c_str(), &status);
        EXPECT_EQ(status.st_mtim.tv_sec, 1000000000);
        EXPECT_EQ(Listing(), std::set<std::string> { "Rurized.ini" });
    }

    // A file with an old, fixed modification time, so that any rewrite would show.
    void WriteOld(const std::string& bytes)
    {
        folder_.Write(bytes);
        const timespec times[2] = { { 1000000000, 0 }, { 1000000000, 0 } };
        ASSERT_EQ(utimensat(AT_FDCWD, Path().c_str(), times, 0), 0);
    }

    SettingsFolder folder_;
    const std::string dir_ = folder_.File().parent_path().string();
};

TEST_F(IniFile, DirectoryEndsInExactlyOneSlash)
{
    ini::SetIniDir("/opt/rurized//");
    EXPECT_EQ(ini::IniPath(), "/opt/rurized/Rurized.ini");
    ini::SetIniDir("");
    EXPECT_EQ(ini::IniDir(), fs::read_symlink("/proc/self/exe").parent_path().string() + "/");
}

class ReadLines : public IniFile, public ::testing::WithParamInterface<const char*> { };

TEST_P(ReadLines, FindsValuesAsWindowsDoes)
{
    const std::string eol = GetParam();
    std::string file;
    for (const char* line :
        { "Orphan=before any section", "; a comment", "[Scale]", "Root=5", "  Mode \t=\t Dorian  ",
            "Quoted=\"  spaced  \"", "Mismatched=\"x'", "root=shadowed by the first Root",
            "a line of junk", "", "  [scALE]  ", "Second=in a later section of the same name",
            "[Odd]Name]", "k=last ']'", "[\tKey", "Top=2", "[Chord]" })
        file += line + eol;
    folder_.Write(file + "Last=no final line end");
    const std::tuple<const char*, const char*, const char*> rows[] = {
        { "SCALE", "rOOT", "5" },
        { " scale ", "\tMODE", "Dorian" },
        { "Scale", "Quoted", "  spaced  " },
        { "Scale", "Mismatched", "\"x'" },
        { "Scale", "Second", "" },
        { "Scale", "a line of junk", "" },
        { "", "Orphan", "" },
        { "odd]name", "k", "last ']'" },
        { "Key", "Top", "2" },
        { "Chord", "Last", "no final line end" },
        { "Missing", "Root", "" },
    };
    for (auto [section, key, value] : rows)
        EXPECT_EQ(ini::ReadIni(section, key), value) << section << "/" << key;
}

INSTANTIATE_TEST_SUITE_P(LineEnds, ReadLines, ::testing::Values("\r\n", "\n"));

// Section, key, value, then the file before (nullptr: none) and after.
const std::string kHandWritten = "; Rurized\r\n[Scale]\r\n  Root = 5\r\nUnknown=kept\r\n\r\n"
                                 "[Chord]\r\nType=m7\r\n";
const std::tuple<const char*, const char*, const char*, const char*, std::string> kWrites[] = {
    { "scale", "ROOT", "7", kHandWritten.c_str(),
        "; Rurized\r\n[Scale]\r\nRoot=7\r\nUnknown=kept\r\n\r\n[Chord]\r\nType=m7\r\n" },
    { "Scale", "Mode", "2", kHandWritten.c_str(),
        "; Rurized\r\n[Scale]\r\n  Root = "
        "5\r\nUnknown=kept\r\nMode=2\r\n\r\n[Chord]\r\nType=m7\r\n" },
    { "Key", "Sig", "3", kHandWritten.c_str(), kHandWritten + "[Key]\r\nSig=3\r\n" },
    { " S ", "k", "1", nullptr, "[ S ]\r\nk=1\r\n" },
    { "Scale", "Mode", "2", "[Scale]\nRoot=5", "[Scale]\nRoot=5\nMode=2\n" },
    { "Key", "Sig", "3", "[Scale]\nRoot=5", "[Scale]\nRoot=5\n[Key]\nSig=3\n" },
    { "a", "k", "v", "[A]\r\n\r\n[B]\r\n", "[A]\r\nk=v\r\n\r\n[B]\r\n" },
    { "s", "K", "3", "[S]\r\nk=1\r\n[s]\r\nk=2\r\n", "[S]\r\nk=3\r\n[s]\r\nk=2\r\n" },
    { "S", "k", "2", "k=1\r\n", "k=1\r\n[S]\r\nk=2\r\n" },
    { "S", "j", "w", "[S]\r\nk=v\r", "[S]\r\nk=v\r\nj=w\r\n" },
    { "S", "k", " \t増 ", "[S]\r\nk=1\r\n", "[S]\r\nk=\" \t\x91\x9D \"\r\n" },
    { "S", "k", "'x'", nullptr, "[S]\r\nk=\"'x'\"\r\n" },
    { "main", "Left", "2", "[Main\r\nTop=1\r\n", "[Main\r\nTop=1\r\nLeft=2\r\n" },
    // 増 is 0x91 0x9D in CP932; ー (0x81 0x5B) carries a '[' trail byte.
    { "コード", "Flat", "♭", nullptr, "[\x83\x52\x81\x5B\x83\x68]\r\nFlat=\x81\xF3\r\n" },
    // These UTF-8 bytes of 根音 are also valid CP932, where they would read as other characters.
    { "chord", "ROOT", "ド", "[Chord]\nRoot=根音\n", "[Chord]\nRoot=ド\n" },
    { "Key", "Top", "𝄞", "\xEF\xBB\xBF[Main]\nTop=1\n",
        "\xEF\xBB\xBF[Main]\nTop=1\n[Key]\nTop=𝄞\n" },
    { "S", "k", "増", "\xFF\x80junk\r\n[S]\r\nk=1\r\n\xFE",
        "\xFF\x80junk\r\n[S]\r\nk=\x91\x9D\r\n\xFE" },
};

TEST_F(IniFile, WritesGiveExactBytesAndReadBack)
{
    for (const auto& [section, key, value, before, after] : kWrites) {
        SCOPED_TRACE(std::string(section) + "/" + key);
        fs::remove(Path());
        if (before)
            folder_.Write(before);
        EXPECT_NE(ini::WriteIni(section, key, value), 0);
        EXPECT_EQ(folder_.Text(), after);
        EXPECT_EQ(ini::ReadIni(section, key), value);
    }
    // ア is 0x83 0x41 and ヂ 0x83 0x61: folding the trail byte 'A' would turn one into the other.
    folder_.Write("[S]\r\n\x83\x61=wrong\r\n\x83\x41=right\r\n");
    EXPECT_EQ(ini::ReadIni("s", "ア"), "right");
}

// UTF-16 keeps its mark, byte order and line ends; UTF-16 that would not come back byte for byte
// is read, and never written.
TEST_F(IniFile, Utf16StaysUtf16)
{
    for (bool bigEndian : { false, true }) {
        folder_.Write(Utf16(u"[Main]\r\nTop=1\r\n", bigEndian));
        EXPECT_EQ(ini::ReadIni("main", "Top"), "1");
        EXPECT_NE(ini::WriteIni("Key", "Top", "𝄞"), 0);
        EXPECT_TRUE(folder_.Text() == Utf16(u"[Main]\r\nTop=1\r\n[Key]\r\nTop=𝄞\r\n", bigEndian));
    }
    for (const std::string& before :
        { Utf16(u"[S]\r\nk=1\r\nj=\xD800\r\n", false), Utf16(u"[S]\r\nk=1\r\nj=", true) + "x" }) {
        WriteOld(before);
        EXPECT_EQ(ini::ReadIni("S", "k"), "1");
        EXPECT_EQ(ini::ReadIni("S", "j"), "\uFFFD");
        EXPECT_EQ(ini::WriteIni("S", "k", "2"), 0);
        ExpectUntouched(before);
    }
}

TEST_F(IniFile, ValuesAreCutAt254BytesOnWholeCharacters)
{
    const std::pair<std::string, std::string> rows[] = {
        { std::string(300, 'a'), std::string(254, 'a') },
        { std::string(252, 'a') + "\x91\x9D", std::string(252, 'a') + "増" },
        { std::string(253, 'a') + "\x91\x9D", std::string(253, 'a') },
        { std::string(252, 'a') + "根", std::string(252, 'a') },
        { std::string(251, 'a') + "根", std::string(251, 'a') + "根" },
    };
    for (const auto& [value, expected] : rows) {
        folder_.Write("[S]\r\nk=" + value + "\r\n");
        EXPECT_EQ(ini::ReadIni("S", "k"), expected);
    }
    // A UTF-16 value is cut as its UTF-8 would be.
    folder_.Write(Utf16(u"[S]\r\nk=" + std::u16string(252, u'a') + u"根\r\n", false));
    EXPECT_EQ(ini::ReadIni("S", "k"), std::string(252, 'a'));
}

TEST_F(IniFile, RefusesTextThatWouldNotReadBackAndLeavesTheFile)
{
    const std::string before = "[S]\r\nk=1\r\n";
    const std::tuple<const char*, std::string, std::string> rows[] = {
        { "S", "k", "𝄞" }, // not in CP932
        { "S", "k", "¥" }, // CP932 would store '\'
        { "S", "k", "\xFF" }, // not UTF-8
        { "S", "k", "譬ｹ髻ｳ" }, // its CP932 bytes would read as UTF-8 根音
        { "S", "k", "a\nb" },
        { "S", "k", std::string("a\0b", 3) },
        { "S", "a=b", "1" },
        { "S", " k", "1" },
        { "S\n[T", "k", "1" },
    };
    for (const auto& [section, key, value] : rows) {
        WriteOld(before);
        EXPECT_EQ(ini::WriteIni(section, key, value), 0) << key << value;
        ExpectUntouched(before);
    }
    fs::remove(Path());
    EXPECT_EQ(ini::WriteIni("S", "k", "𝄞"), 0);
    EXPECT_FALSE(fs::exists(Path()));
}

TEST_F(IniFile, ReadOnlyFileOrFolderIsLeftAloneAndPermissionsAreKept)
{
    const std::string before = "[S]\r\nk=1\r\n";
    WriteOld(before);
    chmod(Path().c_str(), 0444);
    EXPECT_EQ(ini::WriteIni("S", "k", "2"), 0);
    ExpectUntouched(before);
    chmod(Path().c_str(), 0640);
    chmod(dir_.c_str(), 0555);
    EXPECT_EQ(ini::WriteIni("T", "k", "2"), 0);
    ExpectUntouched(before);
    chmod(dir_.c_str(), 0755);
    EXPECT_NE(ini::WriteIni("S", "k", "2"), 0);
    struct stat status { };
    stat(Path().c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

ssize_t Fail(int error)
{
    errno = error;
    return -1;
}

// System calls that fail as a full disk or a failing device makes them fail, each at its own
// step of replacing the file: the file stays whole and the next write, on a healthy disk,
// goes through. Interrupted and short writes go on.
TEST_F(IniFile, FailingCallsLeaveThePreviousFileWhole)
{
    std::vector<ini::FileCalls> failing(4);
    failing[0].write
        = [room = std::make_shared<std::size_t>(8)](int fd, const void* bytes, std::size_t count) {
              if (*room == 0)
                  return Fail(ENOSPC);
              const ssize_t done = write(fd, bytes, std::min(count, *room));
              *room -= static_cast<std::size_t>(std::max<ssize_t>(done, 0));
              return done;
          };
    failing[1].write = [](int, const void*, std::size_t) -> ssize_t { return 0; };
    failing[2].fsync = [](int) { return static_cast<int>(Fail(EIO)); };
    failing[3].rename = [](const char*, const char*) { return static_cast<int>(Fail(EIO)); };
    const std::string before = "[S]\r\nk=1\r\n";
    for (std::size_t i = 0; i < failing.size(); ++i) {
        SCOPED_TRACE(i);
        WriteOld(before);
        ini::SetFileCalls(failing[i]);
        EXPECT_EQ(ini::WriteIni("S", "k", "増2"), 0);
        ini::SetFileCalls({});
        ExpectUntouched(before);
        EXPECT_NE(ini::WriteIni("S", "j", "3"), 0);
    }
    ini::FileCalls interrupted;
    interrupted.write = [times = std::make_shared<int>(3)](int fd, const void* bytes, std::size_t) {
        return (*times)-- > 0 ? Fail(EINTR) : write(fd, bytes, 1);
    };
    ini::SetFileCalls(interrupted);
    EXPECT_NE(ini::WriteIni("S", "k", "増2"), 0);
    EXPECT_EQ(ini::ReadIni("S", "k"), "増2");
}

// The temporary file of a write that was killed before its rename goes with the next write; a
// file of another write still at work, or of the user, stays.
TEST_F(IniFile, LeftoversOfKilledWritesGo)
{
    folder_.Write("[S]\r\nk=1\r\n");
    std::ofstream(Path() + ".Ab12Cd.tmp") << "[S]\r\nk=";
    std::ofstream(Path() + ".Ef34Gh.tmp") << "[S]\r\nk=2";
    const int busy = open((Path() + ".Ef34Gh.tmp").c_str(), O_RDONLY);
    ASSERT_EQ(flock(busy, LOCK_EX), 0);
    std::set<std::string> expected { "Rurized.ini", "Rurized.ini.Ef34Gh.tmp",
        "Rurized.ini.Ab12C.tmp", "Other.ini.Ab12Cd.tmp", "Rurized.ini.Ab12Cd.txt" };
    for (const std::string& name : expected)
        if (!fs::exists(dir_ + "/" + name))
            std::ofstream(dir_ + "/" + name) << "mine";
    EXPECT_NE(ini::WriteIni("S", "k", "3"), 0);
    close(busy);
    EXPECT_EQ(Listing(), expected);
}

// Things in place of the file that reading must get past and writing must leave as they are;
// a link to a file, or to none yet, is written through.
TEST_F(IniFile, LinksAndOtherThingsInItsPlace)
{
    for (const auto& make : std::initializer_list<std::function<void(const std::string&)>> {
             [](const std::string& path) { fs::create_directory(path); },
             [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); },
             [](const std::string& path) { fs::create_symlink("Rurized.ini", path); } }) {
        make(Path());
        const auto status = fs::symlink_status(Path()).type();
        EXPECT_EQ(ini::ReadIni("S", "k"), "");
        EXPECT_EQ(ini::WriteIni("S", "k", "1"), 0);
        EXPECT_EQ(Listing(), std::set<std::string> { "Rurized.ini" });
        EXPECT_EQ(fs::symlink_status(Path()).type(), status);
        fs::remove_all(Path());
    }
    fs::create_directory(dir_ + "/real");
    fs::create_symlink("real/settings.ini", dir_ + "/link");
    fs::create_symlink("link", Path());
    EXPECT_NE(ini::WriteIni("S", "k", "1"), 0); // dangling: the file is made
    EXPECT_NE(ini::WriteIni("S", "k", "2"), 0);
    EXPECT_EQ(fs::read_symlink(Path()), "link");
    EXPECT_EQ(SettingsFolder::Bytes(dir_ + "/real/settings.ini"), "[S]\r\nk=2\r\n");
    EXPECT_EQ(Listing(), (std::set<std::string> { "Rurized.ini", "link", "real" }));
}

// One row per way a conversion can go wrong; halves round to even.
TEST(Conversion, NumbersAndBooleans)
{
    const std::pair<const char*, std::optional<std::int32_t>> longs[]
        = { { " \t-7\t ", -7 }, { "+5", 5 }, { "1234.5", 1234 }, { "1235.5", 1236 }, { ".5", 0 },
              { "2147483647.5", std::nullopt }, { "-2147483648", -2147483647 - 1 },
              { ".", std::nullopt }, { "- 5", std::nullopt }, { "1.2.3", std::nullopt },
              { "12abc", std::nullopt }, { "１", std::nullopt } };
    for (auto [text, value] : longs)
        EXPECT_EQ(ini::ToLong(text), value) << '"' << text << '"';
    EXPECT_EQ(ini::ToLong(std::string(1000, '0') + "17"), 17);
    EXPECT_EQ(ini::ToInteger("32767"), 32767);
    EXPECT_EQ(ini::ToInteger("32768"), std::nullopt);
    const std::pair<const char*, std::optional<bool>> booleans[]
        = { { "tRUE", true }, { " FALSE ", false }, { "-1", true }, { "-0.0", false },
              { "0.4", true }, { "yes", std::nullopt }, { "", std::nullopt } };
    for (auto [text, value] : booleans)
        EXPECT_EQ(ini::ToBoolean(text), value) << '"' << text << '"';
}

}
