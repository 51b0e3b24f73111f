#include "settings/ini.h"
#include "settings/ini_seam.h"
#include "settings_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

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
    ~IniFile() override
    {
        ini::SetFileCalls({});
        chmod(dir_.c_str(), 0700); // a folder made read-only must be writable to be removed
    }
    std::string Path() const { return folder_.File().string(); }
    std::set<std::string> Listing() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.insert(entry.path().filename().string());
        return names;
    }
    // A file with an old, fixed modification time, so that any rewrite would show.
    void WriteOld(const std::string& bytes)
    {
        folder_.Write(bytes);
        const timespec times[2] = { { 1000000000, 0 }, { 1000000000, 0 } };
        ASSERT_EQ(utimensat(AT_FDCWD, Path().c_str(), times, 0), 0);
    }
    // Whether a write was refused and left the file as it was, not even touched.
    void ExpectRefused(int written, const std::string& before)
    {
        EXPECT_EQ(written, 0);
        EXPECT_TRUE(folder_.Text() == before);
        struct stat status { };
        stat(Path().c_str(), &status);
        EXPECT_EQ(status.st_mtim.tv_sec, 1000000000);
        EXPECT_EQ(Listing(), std::set<std::string> { "Rurized.ini" });
    }

    SettingsFolder folder_;
    const std::string dir_ = folder_.File().parent_path().string();
};

class ReadLines : public IniFile, public ::testing::WithParamInterface<const char*> { };

TEST_P(ReadLines, FindsValuesAsWindowsDoes)
{
    std::string file;
    for (const char* line :
        { "Orphan=before any section", "; a comment", "[Scale]", "Root=5", "  Mode \t=\t Dorian  ",
            "Quoted=\"  spaced  \"", "Mismatched=\"x'", "root=shadowed by the first Root",
            "a line of junk", "", "  [scALE]  ", "Second=in a later section of the same name",
            "[Odd]Name]", "k=last ']'", "[\tKey", "Top=2" })
        file += line + std::string(GetParam());
    folder_.Write(file + "Last=no final line end");
    const std::tuple<const char*, const char*, const char*> rows[]
        = { { "SCALE", "rOOT", "5" }, { " scale ", "\tMODE", "Dorian" },
              { "Scale", "Quoted", "  spaced  " }, { "Scale", "Mismatched", "\"x'" },
              { "Scale", "Second", "" }, { "", "Orphan", "" }, { "odd]name", "k", "last ']'" },
              { "Key", "Last", "no final line end" }, { "Missing", "Root", "" } };
    for (auto [section, key, value] : rows)
        EXPECT_EQ(ini::ReadIni(section, key), value) << section << "/" << key;
    ini::SetIniDir("");
    EXPECT_EQ(ini::IniDir(), fs::read_symlink("/proc/self/exe").parent_path().string() + "/");
}

INSTANTIATE_TEST_SUITE_P(LineEnds, ReadLines, ::testing::Values("\r\n", "\n"));

// Section, key, value, then the file before (nullptr: none) and after: a new file is in CRLF
// lines, a file keeps its own; a new key follows the section's last line.
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
    { "Key", "Sig", "3", "[Scale]\nRoot=5", "[Scale]\nRoot=5\n[Key]\nSig=3\n" },
    { "a", "k", "v", "[A]\r\n\r\n[B]\r\n", "[A]\r\nk=v\r\n\r\n[B]\r\n" },
    { "S", "j", "w", "[S]\r\nk=v\r", "[S]\r\nk=v\r\nj=w\r\n" },
    { "S", "k", " \t増 ", "k=1\r\n", "k=1\r\n[S]\r\nk=\" \t\x91\x9D \"\r\n" }, // Shift-JIS
    { "main", "Left", "2", "[Main\r\nTop=1\r\n", "[Main\r\nTop=1\r\nLeft=2\r\n" },
    // ー (0x81 0x5B) carries a '[' trail byte.
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
    // UTF-16 keeps its mark, byte order and line ends.
    for (bool bigEndian : { false, true }) {
        folder_.Write(Utf16(u"[Main]\r\nTop=1\r\n", bigEndian));
        EXPECT_NE(ini::WriteIni("Key", "Top", "𝄞"), 0);
        EXPECT_TRUE(folder_.Text() == Utf16(u"[Main]\r\nTop=1\r\n[Key]\r\nTop=𝄞\r\n", bigEndian));
    }
}

TEST_F(IniFile, ValuesAreCutAt254BytesOnWholeCharacters)
{
    const std::string a252(252, 'a');
    folder_.Write("[S]\r\nk=" + a252 + "a\x91\x9D\r\n[T]\r\nk=" + a252 + "\x91\x9D\r\n");
    EXPECT_EQ(ini::ReadIni("S", "k"), a252 + "a");
    EXPECT_EQ(ini::ReadIni("T", "k"), a252 + "増");
    folder_.Write(Utf16(u"[S]\r\nk=" + std::u16string(252, u'a') + u"根\r\n", false));
    EXPECT_EQ(ini::ReadIni("S", "k"), a252); // cut as its UTF-8 would be
}

// Text that would not read back, UTF-16 that would not come back byte for byte (though it is
// read), a read-only file or folder: the write is refused and the file left alone.
TEST_F(IniFile, RefusedWritesLeaveTheFile)
{
    const std::string before = "[S]\r\nk=1\r\n";
    for (const auto& [section, key, value] :
        std::initializer_list<std::tuple<const char*, std::string, std::string>> {
            { "S", "k", "𝄞" }, // not in CP932
            { "S", "k", "¥" }, // CP932 would store '\'
            { "S", "k", "\xFF" }, // not UTF-8
            { "S", "k", "譬ｹ髻ｳ" }, // its CP932 bytes would read as UTF-8 根音
            { "S", "k", std::string("a\0b", 3) }, { "S", "k", "a\nb" }, { "S", "a=b", "1" },
            { "S", " k", "1" }, { "S\n[T", "k", "1" } }) {
        WriteOld(before);
        ExpectRefused(ini::WriteIni(section, key, value), before);
    }
    for (const std::string& broken :
        { Utf16(u"[S]\r\nk=1\r\nj=\xD800\r\n", false), Utf16(u"[S]\r\nk=1\r\nj=", true) + "x" }) {
        WriteOld(broken);
        EXPECT_EQ(ini::ReadIni("S", "k"), "1");
        EXPECT_EQ(ini::ReadIni("S", "j"), "\uFFFD");
        ExpectRefused(ini::WriteIni("S", "k", "2"), broken);
    }
    WriteOld(before);
    chmod(Path().c_str(), 0444);
    ExpectRefused(ini::WriteIni("S", "k", "2"), before);
    chmod(Path().c_str(), 0640);
    chmod(dir_.c_str(), 0555);
    ExpectRefused(ini::WriteIni("T", "k", "2"), before);
    chmod(dir_.c_str(), 0755);
    EXPECT_NE(ini::WriteIni("S", "k", "2"), 0);
    struct stat status { };
    stat(Path().c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0640u); // the permissions are kept
    fs::remove(Path());
    EXPECT_EQ(ini::WriteIni("S", "k", "𝄞"), 0);
    EXPECT_TRUE(Listing().empty());
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
    std::vector<ini::FileCalls> failing(3);
    failing[0].write = [room = std::make_shared<std::size_t>(8)](
                           int fd, const void* bytes, std::size_t count) {
        const ssize_t done = *room == 0 ? Fail(ENOSPC) : write(fd, bytes, std::min(count, *room));
        *room -= static_cast<std::size_t>(std::max<ssize_t>(done, 0));
        return done;
    };
    failing[1].fsync = [](int) { return static_cast<int>(Fail(EIO)); };
    failing[2].rename = [](const char*, const char*) { return static_cast<int>(Fail(EIO)); };
    for (const ini::FileCalls& calls : failing) {
        WriteOld("[S]\r\nk=1\r\n");
        ini::SetFileCalls(calls);
        const int written = ini::WriteIni("S", "k", "増2");
        ini::SetFileCalls({});
        ExpectRefused(written, "[S]\r\nk=1\r\n");
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
    std::set<std::string> kept { "Rurized.ini", "Rurized.ini.Ef34Gh.tmp", "Rurized.ini.Ab12C.tmp",
        "Other.ini.Ab12Cd.tmp", "Rurized.ini.Ab12Cd.txt" };
    for (const std::string& name : kept)
        std::ofstream(dir_ + "/" + name) << "[S]\r\nk=";
    std::ofstream(Path() + ".Ab12Cd.tmp") << "[S]\r\nk=";
    const int busy = open((Path() + ".Ef34Gh.tmp").c_str(), O_RDONLY);
    ASSERT_EQ(flock(busy, LOCK_EX), 0);
    EXPECT_NE(ini::WriteIni("S", "k", "3"), 0);
    close(busy);
    EXPECT_EQ(Listing(), kept);
}

// Things in place of the file that reading must get past and writing must leave as they are;
// a link to a file, or to none yet, is written through.
TEST_F(IniFile, LinksAndOtherThingsInItsPlace)
{
    fs::create_directory(Path());
    EXPECT_EQ(ini::WriteIni("S", "k", "1"), 0);
    fs::remove(Path());
    ASSERT_EQ(mkfifo(Path().c_str(), 0600), 0);
    EXPECT_EQ(ini::ReadIni("S", "k"), "");
    EXPECT_EQ(ini::WriteIni("S", "k", "1"), 0);
    EXPECT_TRUE(fs::is_fifo(Path()));
    fs::remove(Path());
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
    for (auto [text, value] :
        std::initializer_list<std::pair<const char*, std::optional<std::int32_t>>> {
            { " \t-7\t ", -7 }, { "+5", 5 }, { "1234.5", 1234 }, { "1235.5", 1236 }, { ".5", 0 },
            { "2147483647.5", std::nullopt }, { "-2147483648", -2147483647 - 1 },
            { "- 5", std::nullopt }, { "1.2.3", std::nullopt }, { "１", std::nullopt } })
        EXPECT_EQ(ini::ToLong(text), value) << '"' << text << '"';
    EXPECT_EQ(ini::ToInteger("32768"), std::nullopt);
    for (auto [text, value] :
        std::initializer_list<std::pair<const char*, std::optional<bool>>> { { "tRUE", true },
            { " FALSE ", false }, { "-1", true }, { "0.4", true }, { "yes", std::nullopt } })
        EXPECT_EQ(ini::ToBoolean(text), value) << '"' << text << '"';
}

}
