#include "settings/ini.h"
#include "settings/ini_seam.h"
#include "settings_folder.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// The bytes of UTF-16 text, its byte-order mark first, least significant byte first or last.
std::string Utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes;
    for (const char16_t unit : u"\uFEFF" + std::u16string(text))
        for (const int shift : { bigEndian ? 8 : 0, bigEndian ? 0 : 8 })
            bytes += static_cast<char>(unit >> shift);
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
    long Files() const { return std::distance(fs::directory_iterator(dir_), {}); }
    // A file with an old modification time, so that any rewrite would show.
    void WriteOld(const std::string& bytes)
    {
        folder_.Write(bytes);
        fs::last_write_time(Path(), old_);
    }
    // Whether a write was refused and left the file as it was, not even touched.
    void ExpectRefused(int written, const std::string& before)
    {
        EXPECT_EQ(written, 0);
        EXPECT_TRUE(folder_.Text() == before);
        EXPECT_EQ(fs::last_write_time(Path()), old_);
        EXPECT_EQ(Files(), 1);
    }

    SettingsFolder folder_;
    const std::string dir_ = folder_.File().parent_path().string();
    const fs::file_time_type old_ = std::chrono::file_clock::from_sys(std::chrono::sys_seconds {});
};

class ReadLines : public IniFile, public ::testing::WithParamInterface<const char*> { };

TEST_P(ReadLines, FindsValuesAsWindowsDoes)
{
    // The last two keys: ア is 0x83 0x41 and ヂ 0x83 0x61, which folding the trail byte 'A' would
    // make one.
    std::string file;
    for (const char* line :
        { "Orphan=before any section", "; a comment", "[Scale]", "Root=5", "  Mode \t=\t Dorian  ",
            "Quoted=\"  spaced  \"", "Mismatched=\"x'", "root=shadowed by the first Root",
            "a line of junk", "", "  [scALE]  ", "Second=in a later section of the same name",
            "[Odd]Name]", "k=last ']'", "[\tKey", "Top=2", "\x83\x61=wrong", "\x83\x41=right" })
        file += line + std::string(GetParam());
    folder_.Write(file + "Last=no final line end");
    const std::tuple<const char*, const char*, const char*> rows[] = { { "SCALE", "rOOT", "5" },
        { " scale ", "\tMODE", "Dorian" }, { "Scale", "Quoted", "  spaced  " },
        { "Scale", "Mismatched", "\"x'" }, { "Scale", "Second", "" }, { "", "Orphan", "" },
        { "odd]name", "k", "last ']'" }, { "Key", "Last", "no final line end" },
        { "key", "ア", "right" }, { "Missing", "Root", "" } };
    for (auto [section, key, value] : rows)
        EXPECT_EQ(ini::ReadIni(section, key), value) << section << "/" << key;
    ini::SetIniDir("");
    EXPECT_EQ(ini::IniDir(), fs::read_symlink("/proc/self/exe").parent_path().string() + "/");
}

INSTANTIATE_TEST_SUITE_P(LineEnds, ReadLines, ::testing::Values("\r\n", "\n"));

// Section, key, value, then the file before and after: a new file is in CRLF lines, a file keeps
// its own; a new key follows the section's last line.
const std::string kByHand = "; Rurized\r\n[Scale]\r\n  Root = 5\r\nUnknown=kept\r\n\r\n[Chord]\r\n";
const std::tuple<const char*, const char*, const char*, std::string, std::string> kWrites[] = {
    { "scale", "ROOT", "7", kByHand,
        "; Rurized\r\n[Scale]\r\nRoot=7\r\nUnknown=kept\r\n\r\n[Chord]\r\n" },
    { "Scale", "Mode", "2", kByHand,
        "; Rurized\r\n[Scale]\r\n  Root = 5\r\nUnknown=kept\r\nMode=2\r\n\r\n[Chord]\r\n" },
    { "Key", "Sig", "3", "[Scale]\nRoot=5", "[Scale]\nRoot=5\n[Key]\nSig=3\n" },
    { "a", "k", "v", "[A]\r\n\r\n[B]\r\n", "[A]\r\nk=v\r\n\r\n[B]\r\n" },
    { "S", "k", " \t増 ", "k=1\r\n", "k=1\r\n[S]\r\nk=\" \t\x91\x9D \"\r\n" }, // Shift-JIS
    // ー (0x81 0x5B) carries a '[' trail byte.
    { "コード", "Flat", "♭", "", "[\x83\x52\x81\x5B\x83\x68]\r\nFlat=\x81\xF3\r\n" },
    // These UTF-8 bytes of 根音 are also valid CP932, where they would read as other characters.
    { "chord", "ROOT", "ド", "[Chord]\nRoot=根音\n", "[Chord]\nRoot=ド\n" },
    { "Key", "Top", "𝄞", "\xEF\xBB\xBF[Main]\nTop=1\n",
        "\xEF\xBB\xBF[Main]\nTop=1\n[Key]\nTop=𝄞\n" },
    { "S", "k", "増", "\xFF\x80junk\r\n[S]\r\nk=1\r\n\xFE",
        "\xFF\x80junk\r\n[S]\r\nk=\x91\x9D\r\n\xFE" },
    // UTF-16 keeps its mark, byte order and line ends.
    { "Key", "Top", "𝄞", Utf16(u"[Main]\r\nTop=1\r\n", false),
        Utf16(u"[Main]\r\nTop=1\r\n[Key]\r\nTop=𝄞\r\n", false) },
    { "Key", "Top", "𝄞", Utf16(u"[Main]\r\nTop=1\r\n", true),
        Utf16(u"[Main]\r\nTop=1\r\n[Key]\r\nTop=𝄞\r\n", true) },
};

TEST_F(IniFile, WritesGiveExactBytes)
{
    for (const auto& [section, key, value, before, after] : kWrites) {
        SCOPED_TRACE(std::string(section) + "/" + key);
        folder_.Write(before);
        EXPECT_NE(ini::WriteIni(section, key, value), 0);
        EXPECT_EQ(folder_.Text(), after);
    }
}

TEST_F(IniFile, ValuesAreCutAt254BytesOnWholeCharacters)
{
    const std::string a252(252, 'a');
    // 増 is 0x91 0x9D; 髙 (0xFB 0xFC) has a lead byte of the range F0-FC.
    for (const auto& [stored, read] : { std::pair<std::string, std::string> { "a\x91\x9D", "a" },
             { "\x91\x9D", "増" }, { "a\xFB\xFC", "a" } }) {
        folder_.Write("[S]\r\nk=" + a252 + stored + "\r\n");
        EXPECT_EQ(ini::ReadIni("S", "k"), a252 + read);
    }
    folder_.Write(Utf16(u"[S]\r\nk=" + std::u16string(252, u'a') + u"根\r\n", false));
    EXPECT_EQ(ini::ReadIni("S", "k"), a252); // cut as its UTF-8 would be
}

// The write is refused and the file left alone for a NUL, where other readers would end the
// value, and blanks around a key, which would name another (text that would not read back is in
// the fuzz target's seeds); for UTF-16 that would not come back byte for byte, though it is read;
// and for a read-only file or folder. So for bytes behind a byte-order mark that are not whole in
// its encoding: a write would mix two encodings.
TEST_F(IniFile, RefusedWritesLeaveTheFile)
{
    const std::string before = "[S]\r\nk=1\r\n";
    for (const auto& [key, value] : std::initializer_list<std::pair<std::string, std::string>> {
             { "k", std::string("a\0b", 3) }, { " k", "1" } }) {
        WriteOld(before);
        ExpectRefused(ini::WriteIni("S", key, value), before);
    }
    for (const std::string& broken :
        { Utf16(u"[S]\r\nk=1\r\nj=\xD800\r\n", false), Utf16(u"[S]\r\nk=1\r\nj=", true) + "x",
            std::string("\xEF\xBB\xBF[S]\r\nk=1\r\nj=\x91\r\n") }) {
        WriteOld(broken);
        EXPECT_EQ(ini::ReadIni("S", "k"), "1");
        EXPECT_EQ(ini::ReadIni("S", "j"), "\uFFFD");
        ExpectRefused(ini::WriteIni("S", "k", "2"), broken);
    }
    for (const std::string& readOnly : { Path(), dir_ }) {
        WriteOld(before);
        chmod(readOnly.c_str(), 0550);
        ExpectRefused(ini::WriteIni("S", "k", "2"), before);
        chmod(readOnly.c_str(), 0750);
    }
    EXPECT_NE(ini::WriteIni("S", "k", "2"), 0);
    EXPECT_EQ(fs::status(Path()).permissions(), fs::perms(0750)); // the permissions are kept
}

ssize_t Fail(int error)
{
    errno = error;
    return -1;
}

// System calls that fail as a full disk or a failing device makes them fail, each at its own
// step of replacing the file: the file stays whole and the next write goes through, even on a
// disk where every write is interrupted once and then cut short.
TEST_F(IniFile, FailingCallsLeaveThePreviousFileWhole)
{
    std::vector<ini::FileCalls> failing(4);
    failing[0].write = [calls = std::make_shared<int>(0)](int fd, const void* bytes, std::size_t) {
        return (*calls)++ == 0 ? write(fd, bytes, 8) : Fail(ENOSPC);
    };
    failing[1].fsync = [](int) { return static_cast<int>(Fail(EIO)); };
    failing[2].rename = [](const char*, const char*) { return static_cast<int>(Fail(EIO)); };
    // No progress, which a full disk may give for ever, fails though the next call would write.
    failing[3].write = [n = 0](int fd, const void* b, std::size_t c) mutable {
        return n++ == 0 ? 0 : write(fd, b, c);
    };
    ini::FileCalls interrupted;
    interrupted.write = [calls = std::make_shared<int>(0)](int fd, const void* bytes, std::size_t) {
        return (*calls)++ % 2 == 0 ? Fail(EINTR) : write(fd, bytes, 1);
    };
    for (const ini::FileCalls& calls : failing) {
        WriteOld("[S]\r\nk=1\r\n");
        ini::SetFileCalls(calls);
        const int written = ini::WriteIni("S", "k", "増2");
        ini::SetFileCalls(interrupted);
        ExpectRefused(written, "[S]\r\nk=1\r\n");
        EXPECT_NE(ini::WriteIni("S", "j", "3"), 0);
        EXPECT_EQ(folder_.Text(), "[S]\r\nk=1\r\nj=3\r\n");
    }
}

// A FIFO in place of the file must not hang a read, and is not written; a chain of links, to a
// file or to none yet, is written through, and a new file gets the mode the umask leaves.
TEST_F(IniFile, FifoAndLinksInItsPlace)
{
    ASSERT_EQ(mkfifo(Path().c_str(), 0600), 0);
    EXPECT_EQ(ini::ReadIni("S", "k"), "");
    EXPECT_EQ(ini::WriteIni("S", "k", "1"), 0);
    fs::remove(Path());
    fs::create_symlink("settings.ini", dir_ + "/link");
    fs::create_symlink("link", Path());
    const mode_t mask = umask(027);
    EXPECT_NE(ini::WriteIni("S", "k", "1"), 0); // dangling: the file is made
    umask(mask);
    EXPECT_NE(ini::WriteIni("S", "j", "2"), 0);
    EXPECT_EQ(fs::read_symlink(Path()), "link");
    EXPECT_EQ(SettingsFolder::Bytes(dir_ + "/settings.ini"), "[S]\r\nk=1\r\nj=2\r\n");
    EXPECT_EQ(fs::status(dir_ + "/settings.ini").permissions(), fs::perms(0640));
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
