#include "settings/ini.h"
#include "settings/ini_seam.h"
#include "settings_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Bytes of a literal that may hold NUL.
template <std::size_t N> std::string Raw(const char (&literal)[N]) { return { literal, N - 1 }; }

// The bytes of UTF-16 text, its byte-order mark first, least significant byte first or last.
std::string Utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes;
    for (const char16_t unit : u"\uFEFF" + std::u16string(text)) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string { high, low } : std::string { low, high };
    }
    return bytes;
}

std::string Le(std::u16string_view text) { return Utf16(text, false); }
std::string Be(std::u16string_view text) { return Utf16(text, true); }

// Each test gets its own empty folder as the program's folder.
class IniFile : public ::testing::Test {
protected:
    // A folder made read-only by a test must be writable again to be removed.
    void TearDown() override { fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add); }

    std::string Path() const { return folder_.File().string(); }

    static void WriteBytes(const std::string& path, std::string_view bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static std::string Bytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return { std::istreambuf_iterator<char>(in), {} };
    }

    static std::set<std::string> Listing(const std::string& dir)
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.insert(entry.path().filename().string());
        return names;
    }

    // An old, fixed modification time, so that any rewrite would show.
    static void SetOldTime(const std::string& path)
    {
        const timespec times[2] = { { 1000000000, 0 }, { 1000000000, 0 } };
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }

    static timespec ModifiedAt(const std::string& path)
    {
        struct stat status { };
        stat(path.c_str(), &status);
        return status.st_mtim;
    }

    SettingsFolder folder_;
    const std::string dir_ = folder_.File().parent_path().string();
};

TEST_F(IniFile, DirectoryEndsInExactlyOneSlash)
{
    const std::pair<std::string, std::string> rows[] = {
        { "/opt/rurized", "/opt/rurized/" },
        { "/opt/rurized/", "/opt/rurized/" },
        { "/opt/rurized//", "/opt/rurized/" },
        { "/", "/" },
    };
    for (const auto& [dir, expected] : rows) {
        ini::SetIniDir(dir);
        EXPECT_EQ(ini::IniDir(), expected) << dir;
        EXPECT_EQ(ini::IniPath(), expected + "Rurized.ini") << dir;
    }
    ini::SetIniDir("");
    EXPECT_EQ(ini::IniDir(), fs::read_symlink("/proc/self/exe").parent_path().string() + "/");
}

struct ReadRow {
    const char* section;
    const char* key;
    std::string expected;
};

class ReadLines : public IniFile, public ::testing::WithParamInterface<const char*> { };

TEST_P(ReadLines, FindsValuesAsWindowsDoes)
{
    const std::string eol = GetParam();
    const char* lines[] = {
        "Orphan=before any section",
        "; a comment",
        "[Scale]",
        "Root=5",
        "  Mode \t=\t Dorian  ",
        "Quoted=\"  spaced  \"",
        "Single='x'",
        "Mismatched=\"x'",
        "root=shadowed by the first Root",
        "a line of junk",
        "Empty=",
        "",
        "  [scALE]  ",
        "Second=in a later section of the same name",
        "[Odd]Name]",
        "k=the name ends at the last ']'",
        "[ Main\t]",
        "Top=1",
        "[\tKey",
        "Top=2",
        "[Chord]",
        "Type=m7",
    };
    std::string file;
    for (const char* line : lines)
        file += line + eol;
    WriteBytes(Path(), file + "Last=no final line end");

    const ReadRow rows[] = {
        { "Scale", "Root", "5" },
        { "SCALE", "rOOT", "5" },
        { "scale", "MODE", "Dorian" },
        { "Scale", "Quoted", "  spaced  " },
        { "Scale", "Single", "x" },
        { "Scale", "Mismatched", "\"x'" },
        { "Scale", "Empty", "" },
        { "Scale", "Second", "" },
        { "Scale", "a line of junk", "" },
        { "", "Orphan", "" },
        { "odd]name", "k", "the name ends at the last ']'" },
        { "main", "TOP", "1" },
        { " Main ", "\tTop ", "1" },
        { "Key", "Top", "2" },
        { "Chord", "Type", "m7" },
        { "Chord", "Root", "" },
        { "Chord", "Last", "no final line end" },
        { "Missing", "Root", "" },
    };
    for (const auto& row : rows)
        EXPECT_EQ(ini::ReadIni(row.section, row.key), row.expected)
            << row.section << "/" << row.key;
}

INSTANTIATE_TEST_SUITE_P(LineEnds, ReadLines, ::testing::Values("\r\n", "\n"));

TEST_F(IniFile, MissingFileReadsEmpty) { EXPECT_EQ(ini::ReadIni("Scale", "Root"), ""); }

struct WriteRow {
    const char* name;
    std::optional<std::string> before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

void PrintTo(const WriteRow& row, std::ostream* out) { *out << row.name; }

const std::string kHandWritten = "; Rurized settings\r\n"
                                 "[Scale]\r\n"
                                 "  Root = 5\r\n"
                                 "; keep me\r\n"
                                 "Unknown=kept\r\n"
                                 "\r\n"
                                 "[Chord]\r\n"
                                 "Type=m7\r\n"
                                 "\r\n";

const WriteRow kWriteRows[] = {
    { "ReplaceKeepsTheFileKeyText", kHandWritten, "scale", "ROOT", "7",
        "; Rurized settings\r\n[Scale]\r\nRoot=7\r\n; keep me\r\nUnknown=kept\r\n\r\n"
        "[Chord]\r\nType=m7\r\n\r\n" },
    { "NewKeyFollowsTheLastNonBlankLine", kHandWritten, "Scale", "Mode", "2",
        "; Rurized settings\r\n[Scale]\r\n  Root = 5\r\n; keep me\r\nUnknown=kept\r\nMode=2\r\n"
        "\r\n[Chord]\r\nType=m7\r\n\r\n" },
    { "NewSectionIsAppended", kHandWritten, "Key", "Sig", "3",
        kHandWritten + "[Key]\r\nSig=3\r\n" },
    { "NewFileUsesCrLf", std::nullopt, "Scale", "Root", "5", "[Scale]\r\nRoot=5\r\n" },
    { "LfFileStaysLf", "[Scale]\nRoot=5\n", "Scale", "Mode", "2", "[Scale]\nRoot=5\nMode=2\n" },
    { "LineEndAddedBeforeNewKey", "[Scale]\nRoot=5", "Scale", "Mode", "2",
        "[Scale]\nRoot=5\nMode=2\n" },
    { "LineEndAddedBeforeNewSection", "[Scale]\nRoot=5", "Key", "Sig", "3",
        "[Scale]\nRoot=5\n[Key]\nSig=3\n" },
    { "EmptySectionGetsKeyUnderHeader", "[A]\r\n\r\n[B]\r\n", "a", "k", "v",
        "[A]\r\nk=v\r\n\r\n[B]\r\n" },
    { "FirstSectionWins", "[S]\r\nk=1\r\n[s]\r\nk=2\r\n", "s", "K", "3",
        "[S]\r\nk=3\r\n[s]\r\nk=2\r\n" },
    { "KeysBeforeAnySectionAreNotTouched", "k=1\r\n", "S", "k", "2", "k=1\r\n[S]\r\nk=2\r\n" },
    { "LoneCrEndsTheLastLine", "[S]\r\nk=v\r", "T", "k", "w", "[S]\r\nk=v\r\n[T]\r\nk=w\r\n" },
    { "LoneCrEndsTheSectionsLastLine", "[S]\r\nk=v\r", "S", "j", "w", "[S]\r\nk=v\r\nj=w\r\n" },
    { "BlanksAroundAValueAreKept", "[S]\r\nk=1\r\n", "S", "k", " \t増 ",
        "[S]\r\nk=\" \t\x91\x9D \"\r\n" },
    { "QuotesAroundAValueAreKept", std::nullopt, "S", "k", "'x'", "[S]\r\nk=\"'x'\"\r\n" },
    { "BlanksInBracketsAreTheSameSection", "[ Main\t]\r\nTop=1\r\n", "Main", "Top", "2",
        "[ Main\t]\r\nTop=2\r\n" },
    { "BracketLeftOpenIsTheSameSection", "[Main\r\nTop=1\r\n", "main", "Left", "2",
        "[Main\r\nTop=1\r\nLeft=2\r\n" },
    { "SectionGivenWithBlanksIsWrittenAsGiven", std::nullopt, " S ", "k", "1", "[ S ]\r\nk=1\r\n" },
};

class Writes : public IniFile, public ::testing::WithParamInterface<WriteRow> { };

TEST_P(Writes, GiveExactBytes)
{
    const WriteRow& row = GetParam();
    if (row.before)
        WriteBytes(Path(), *row.before);
    EXPECT_NE(ini::WriteIni(row.section, row.key, row.value), 0);
    EXPECT_EQ(Bytes(Path()), row.after);
    EXPECT_EQ(ini::ReadIni(row.section, row.key), row.value);
}

INSTANTIATE_TEST_SUITE_P(Rows, Writes, ::testing::ValuesIn(kWriteRows),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IniFile, KeepsPermissionBits)
{
    WriteBytes(Path(), "[S]\r\nk=1\r\n");
    chmod(Path().c_str(), 0640);
    EXPECT_NE(ini::WriteIni("S", "k", "2"), 0);
    struct stat status { };
    stat(Path().c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(Listing(dir_), std::set<std::string> { "Rurized.ini" });
}

TEST_F(IniFile, JapaneseIsStoredAsShiftJis)
{
    // 増 is 0x91 0x9D and ♭ 0x81 0xF3 in CP932; ー (0x81 0x5B) carries a '[' trail byte.
    EXPECT_NE(ini::WriteIni("Interval", "Name", "増4"), 0);
    EXPECT_NE(ini::WriteIni("コード", "Flat", "♭"), 0);
    EXPECT_EQ(Bytes(Path()),
        "[Interval]\r\nName=\x91\x9D"
        "4\r\n[\x83\x52\x81\x5B\x83\x68]\r\nFlat=\x81\xF3\r\n");
    EXPECT_EQ(ini::ReadIni("Interval", "Name"), "増4");
    EXPECT_EQ(ini::ReadIni("コード", "Flat"), "♭");
}

TEST_F(IniFile, FoldsCaseOnlyOnWholeAsciiCharacters)
{
    // ア is 0x83 0x41 and ヂ 0x83 0x61: folding the trail byte 'A' would turn one into the other.
    WriteBytes(Path(), "[S]\r\n\x83\x61=wrong\r\n\x83\x41=right\r\n");
    EXPECT_EQ(ini::ReadIni("s", "ア"), "right");
}

TEST_F(IniFile, HandEditedUtf8StaysUtf8)
{
    // These UTF-8 bytes of 根音 are also valid CP932, where they would read as other characters.
    WriteBytes(Path(), "[Chord]\nRoot=根音\n");
    EXPECT_EQ(ini::ReadIni("Chord", "Root"), "根音");
    EXPECT_NE(ini::WriteIni("chord", "ROOT", "ド"), 0);
    EXPECT_NE(ini::WriteIni("Chord", "Bass", "増4"), 0);
    EXPECT_NE(ini::WriteIni("Chord", "Clef", "𝄞"), 0);
    EXPECT_EQ(Bytes(Path()), "[Chord]\nRoot=ド\nBass=増4\nClef=𝄞\n");
}

// A file saved with a byte-order mark keeps it and its encoding; new lines take its line ends.
TEST_F(IniFile, ByteOrderMarksAreKept)
{
    const std::string mark8 = "\xEF\xBB\xBF";
    const struct {
        const char* name;
        std::string before;
        std::string after;
    } rows[] = {
        { "utf-8", mark8 + "[Main]\r\nTop=1\r\n[Chord]\r\nMatrix3=増4\r\n",
            mark8 + "[Main]\r\nTop=1\r\n[Chord]\r\nMatrix3=減5\r\n[Key]\r\nTop=𝄞\r\n" },
        { "utf-8, plain ascii", mark8 + "[Main]\nTop=1\n",
            mark8 + "[Main]\nTop=1\n[Chord]\nMatrix3=減5\n[Key]\nTop=𝄞\n" },
        { "utf-16 le", Le(u"[Main]\r\nTop=1\r\n[Chord]\r\nMatrix3=増4\r\n"),
            Le(u"[Main]\r\nTop=1\r\n[Chord]\r\nMatrix3=減5\r\n[Key]\r\nTop=𝄞\r\n") },
        { "utf-16 be", Be(u"[Main]\nTop=1\n[Chord]\nMatrix3=増4"),
            Be(u"[Main]\nTop=1\n[Chord]\nMatrix3=減5\n[Key]\nTop=𝄞\n") },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WriteBytes(Path(), row.before);
        EXPECT_EQ(ini::ReadIni("main", "Top"), "1");
        EXPECT_NE(ini::WriteIni("Chord", "Matrix3", "減5"), 0);
        EXPECT_NE(ini::WriteIni("Key", "Top", "𝄞"), 0);
        EXPECT_TRUE(Bytes(Path()) == row.after);
        EXPECT_EQ(ini::ReadIni("Chord", "Matrix3"), "減5");
    }
}

// UTF-16 that would not come back byte for byte is read, and never written.
TEST_F(IniFile, BrokenUtf16IsLeftAsItIs)
{
    const std::string rows[] = {
        Le(u"[S]\r\nk=1\r\nj=\xD800\r\n"),
        Be(u"[S]\r\nk=1\r\nj=\xDC00"),
        Le(u"[S]\r\nk=1\r\nj=") + "x",
    };
    for (const auto& before : rows) {
        WriteBytes(Path(), before);
        EXPECT_EQ(ini::ReadIni("S", "k"), "1");
        EXPECT_EQ(ini::ReadIni("S", "j"), "\uFFFD");
        EXPECT_EQ(ini::WriteIni("S", "k", "2"), 0);
        EXPECT_TRUE(Bytes(Path()) == before);
    }
}

struct CutRow {
    const char* name;
    std::string value;
    std::string expected;
};

TEST_F(IniFile, ValuesAreCutAt254BytesOnWholeCharacters)
{
    const CutRow rows[] = {
        { "ascii", std::string(300, 'a'), std::string(254, 'a') },
        { "cp932 fits", std::string(252, 'a') + "\x91\x9D", std::string(252, 'a') + "増" },
        { "cp932 straddles", std::string(253, 'a') + "\x91\x9D", std::string(253, 'a') },
        { "cp932 high lead", std::string(253, 'a') + "\xEA\xA4", std::string(253, 'a') },
        { "utf8 straddles", std::string(252, 'a') + "根", std::string(252, 'a') },
        { "utf8 fits", std::string(251, 'a') + "根", std::string(251, 'a') + "根" },
    };
    for (const auto& row : rows) {
        WriteBytes(Path(), "[S]\r\nk=" + row.value + "\r\n");
        EXPECT_EQ(ini::ReadIni("S", "k"), row.expected) << row.name;
    }
    // A UTF-16 value is cut as its UTF-8 would be.
    WriteBytes(Path(), Le(u"[S]\r\nk=" + std::u16string(252, u'a') + u"根\r\n"));
    EXPECT_EQ(ini::ReadIni("S", "k"), std::string(252, 'a'));
}

TEST_F(IniFile, RefusesTextThatWouldNotReadBack)
{
    const std::string before = "[S]\r\nk=1\r\n";
    const struct {
        const char* section;
        std::string key;
        std::string value;
    } rows[] = {
        { "S", "k", "𝄞" }, // not in CP932
        { "S", "k", "¥" }, // CP932 would store '\'
        { "S", "k", "\xFF" }, // not UTF-8
        { "S", "k", "譬ｹ髻ｳ" }, // its CP932 bytes would read as UTF-8 根音
        { "S", "k", "a\nb" },
        { "S", "k", "a\rb" },
        { "S", "k", Raw("a\0b") },
        { "S", "a=b", "1" },
        { "S", " k", "1" },
        { "S", "", "1" },
        { "S\n[T", "k", "1" },
        { "𝄞", "k", "1" },
    };
    for (const auto& row : rows) {
        WriteBytes(Path(), before);
        EXPECT_EQ(ini::WriteIni(row.section, row.key, row.value), 0) << row.key << row.value;
        EXPECT_EQ(Bytes(Path()), before) << row.key << row.value;
    }
    fs::remove(Path());
    EXPECT_EQ(ini::WriteIni("S", "k", "𝄞"), 0);
    EXPECT_FALSE(fs::exists(Path()));
}

TEST_F(IniFile, ReadOnlyFileIsLeftAlone)
{
    WriteBytes(Path(), "[S]\r\nk=1\r\n");
    chmod(Path().c_str(), 0444);
    SetOldTime(Path());
    EXPECT_EQ(ini::WriteIni("S", "k", "2"), 0);
    EXPECT_EQ(Bytes(Path()), "[S]\r\nk=1\r\n");
    EXPECT_EQ(ModifiedAt(Path()).tv_sec, 1000000000);
    EXPECT_EQ(Listing(dir_), std::set<std::string> { "Rurized.ini" });
}

TEST_F(IniFile, ReadOnlyFolderIsLeftAlone)
{
    WriteBytes(Path(), "[S]\r\nk=1\r\n");
    SetOldTime(Path());
    chmod(dir_.c_str(), 0555);
    EXPECT_EQ(ini::WriteIni("S", "k", "2"), 0);
    EXPECT_EQ(ini::WriteIni("T", "k", "2"), 0);
    EXPECT_EQ(Bytes(Path()), "[S]\r\nk=1\r\n");
    EXPECT_EQ(ModifiedAt(Path()).tv_sec, 1000000000);
    EXPECT_EQ(Listing(dir_), std::set<std::string> { "Rurized.ini" });
}

// System calls that fail as a full disk or a failing device makes them fail, each at its own
// step of replacing the file.
struct FaultRow {
    const char* name;
    std::function<ini::FileCalls()> calls;
    bool succeeds;
};

void PrintTo(const FaultRow& row, std::ostream* out) { *out << row.name; }

ssize_t Fail(int error)
{
    errno = error;
    return -1;
}

// Each row's calls, made afresh for each test so that their counts start at zero.
const FaultRow kFaultRows[] = {
    { "DiskFullAtOnce",
        [] {
            ini::FileCalls calls;
            calls.write = [](int, const void*, std::size_t) { return Fail(ENOSPC); };
            return calls;
        },
        false },
    { "DiskFullHalfWay",
        [] {
            ini::FileCalls calls;
            calls.write = [room = std::make_shared<std::size_t>(8)](
                              int fd, const void* bytes, std::size_t count) {
                if (*room == 0)
                    return Fail(ENOSPC);
                const ssize_t done = write(fd, bytes, std::min(count, *room));
                *room -= static_cast<std::size_t>(std::max<ssize_t>(done, 0));
                return done;
            };
            return calls;
        },
        false },
    { "WriteMakesNoProgress",
        [] {
            ini::FileCalls calls;
            calls.write = [](int, const void*, std::size_t) -> ssize_t { return 0; };
            return calls;
        },
        false },
    { "IoErrorOnSync",
        [] {
            ini::FileCalls calls;
            calls.fsync = [](int) { return static_cast<int>(Fail(EIO)); };
            return calls;
        },
        false },
    { "IoErrorOnClose",
        [] {
            ini::FileCalls calls;
            calls.close = [](int fd) {
                close(fd);
                return static_cast<int>(Fail(EIO));
            };
            return calls;
        },
        false },
    { "RenameFails",
        [] {
            ini::FileCalls calls;
            calls.rename = [](const char*, const char*) { return static_cast<int>(Fail(EIO)); };
            return calls;
        },
        false },
    { "InterruptedShortWritesGoOn",
        [] {
            ini::FileCalls calls;
            calls.write = [interruptions = std::make_shared<int>(3)](
                              int fd, const void* bytes, std::size_t count) {
                if ((*interruptions)-- > 0)
                    return Fail(EINTR);
                return write(fd, bytes, std::min<std::size_t>(count, 3));
            };
            return calls;
        },
        true },
};

class Faults : public IniFile, public ::testing::WithParamInterface<FaultRow> {
protected:
    void TearDown() override
    {
        ini::SetFileCalls({});
        IniFile::TearDown();
    }
};

TEST_P(Faults, LeaveThePreviousFileWhole)
{
    const std::string before = "[S]\r\nk=1\r\n";
    WriteBytes(Path(), before);
    SetOldTime(Path());
    ini::SetFileCalls(GetParam().calls());
    if (GetParam().succeeds) {
        EXPECT_NE(ini::WriteIni("S", "k", "増2"), 0);
        EXPECT_EQ(ini::ReadIni("S", "k"), "増2");
    } else {
        EXPECT_EQ(ini::WriteIni("S", "k", "増2"), 0);
        EXPECT_EQ(Bytes(Path()), before);
        EXPECT_EQ(ModifiedAt(Path()).tv_sec, 1000000000);
    }
    EXPECT_EQ(Listing(dir_), std::set<std::string> { "Rurized.ini" });

    // The next write, on a healthy disk again, goes through.
    ini::SetFileCalls({});
    EXPECT_NE(ini::WriteIni("S", "j", "3"), 0);
    EXPECT_EQ(ini::ReadIni("S", "j"), "3");
}

TEST_P(Faults, MakeAFileOnlyWhenTheWriteGoesThrough)
{
    ini::SetFileCalls(GetParam().calls());
    EXPECT_EQ(ini::WriteIni("S", "k", "1") != 0, GetParam().succeeds);
    EXPECT_EQ(Listing(dir_).size(), GetParam().succeeds ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Rows, Faults, ::testing::ValuesIn(kFaultRows),
    [](const auto& info) { return std::string(info.param.name); });

// The temporary file of a write that was killed before its rename goes with the next write; a
// file of another write still at work, or of the user, stays.
TEST_F(IniFile, LeftoversOfKilledWritesGo)
{
    WriteBytes(Path(), "[S]\r\nk=1\r\n");
    WriteBytes(Path() + ".Ab12Cd.tmp", "[S]\r\nk=");
    WriteBytes(Path() + ".Ef34Gh.tmp", "[S]\r\nk=2");
    const int busy = open((Path() + ".Ef34Gh.tmp").c_str(), O_RDONLY);
    ASSERT_EQ(flock(busy, LOCK_EX), 0);
    const char* kept[] = { "Rurized.ini.backup", "Rurized.ini.Ab12C.tmp", "Rurized.ini.Ab-2Cd.tmp",
        "Other.ini.Ab12Cd.tmp", "Rurized.ini.Ab12Cd.txt" };
    for (const char* name : kept)
        WriteBytes(dir_ + "/" + name, "mine");
    fs::create_directory(Path() + ".Ij56Kl.tmp");

    EXPECT_NE(ini::WriteIni("S", "k", "3"), 0);
    close(busy);
    std::set<std::string> expected(std::begin(kept), std::end(kept));
    expected.insert({ "Rurized.ini", "Rurized.ini.Ef34Gh.tmp", "Rurized.ini.Ij56Kl.tmp" });
    EXPECT_EQ(Listing(dir_), expected);
}

// Things in place of the file that reading must get past and writing must leave as they are.
TEST_F(IniFile, NoRegularFileInItsPlace)
{
    const struct {
        const char* name;
        std::function<void(const std::string& path)> make;
    } rows[] = {
        { "folder", [](const std::string& path) { fs::create_directory(path); } },
        { "fifo", [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); } },
        { "link to a folder",
            [&](const std::string& path) {
                fs::create_directory(dir_ + "/folder");
                fs::create_symlink("folder", path);
            } },
        { "link into a missing folder",
            [](const std::string& path) { fs::create_symlink("missing/Rurized.ini", path); } },
        { "link to itself",
            [](const std::string& path) { fs::create_symlink("Rurized.ini", path); } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        row.make(Path());
        const auto before = Listing(dir_);
        const auto status = fs::symlink_status(Path());
        EXPECT_EQ(ini::ReadIni("S", "k"), "");
        EXPECT_EQ(ini::WriteIni("S", "k", "1"), 0);
        EXPECT_EQ(Listing(dir_), before);
        EXPECT_EQ(fs::symlink_status(Path()).type(), status.type());
        fs::remove_all(Path());
        fs::remove_all(dir_ + "/folder");
    }
}

TEST_F(IniFile, DanglingLinkGetsItsFileCreated)
{
    fs::create_symlink("settings.ini", Path());
    EXPECT_NE(ini::WriteIni("S", "k", "1"), 0);
    EXPECT_TRUE(fs::is_symlink(Path()));
    EXPECT_EQ(Bytes(dir_ + "/settings.ini"), "[S]\r\nk=1\r\n");
}

TEST_F(IniFile, WritesThroughAChainOfLinks)
{
    fs::create_directory(dir_ + "/real");
    WriteBytes(dir_ + "/real/settings.ini", "[S]\r\nk=1\r\n");
    fs::create_symlink("real/settings.ini", dir_ + "/link");
    fs::create_symlink("link", Path());
    EXPECT_NE(ini::WriteIni("S", "k", "2"), 0);
    EXPECT_TRUE(fs::is_symlink(Path()));
    EXPECT_EQ(fs::read_symlink(Path()), "link");
    EXPECT_EQ(Bytes(dir_ + "/real/settings.ini"), "[S]\r\nk=2\r\n");
    EXPECT_EQ(ini::ReadIni("S", "k"), "2");
    EXPECT_EQ(Listing(dir_), (std::set<std::string> { "Rurized.ini", "link", "real" }));
    EXPECT_EQ(Listing(dir_ + "/real"), std::set<std::string> { "settings.ini" });
}

TEST_F(IniFile, JunkIsKeptAndNeverCrashes)
{
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const std::string megabyte(1 << 20, 'x');
    const std::string newSectionCrLf = "\r\n[S]\r\nk=\x91\x9D\r\n";
    const struct {
        std::string junk;
        std::string added;
    } rows[] = {
        { everyByte, "\n[S]\nk=\x91\x9D\n" },
        { Raw("\xFF\x80\0[S]\0=\n[S]\n"), "k=\x91\x9D\n" },
        { megabyte, newSectionCrLf },
        { "[" + megabyte, newSectionCrLf },
        { "[S]\n" + megabyte + "=" + megabyte, "\nk=\x91\x9D\n" },
        { "\x81", newSectionCrLf },
        { "[S", "\r\nk=\x91\x9D\r\n" },
    };
    for (const auto& row : rows) {
        WriteBytes(Path(), row.junk);
        EXPECT_EQ(ini::ReadIni("S", "k"), "");
        EXPECT_NE(ini::WriteIni("S", "k", "増"), 0);
        EXPECT_TRUE(Bytes(Path()) == row.junk + row.added) << row.junk.substr(0, 20);
        EXPECT_EQ(ini::ReadIni("S", "k"), "増");
    }
}

TEST_F(IniFile, JunkLinesSurviveAReplacement)
{
    WriteBytes(Path(), Raw("\xFF\x80\0junk\r\n[S]\r\nk=1\r\n\xFE"));
    EXPECT_EQ(ini::ReadIni("S", "k"), "1");
    EXPECT_NE(ini::WriteIni("S", "k", "増"), 0);
    EXPECT_EQ(Bytes(Path()), Raw("\xFF\x80\0junk\r\n[S]\r\nk=\x91\x9D\r\n\xFE"));
}

template <typename T> struct ConversionRow {
    const char* text;
    std::optional<T> expected;
};

// One row per way a conversion can go wrong.
TEST(Conversion, ToLong)
{
    const ConversionRow<std::int32_t> rows[] = {
        { "42", 42 },
        { " \t-7\t ", -7 },
        { "+5", 5 },
        { "1234.5", 1234 },
        { "1235.5", 1236 },
        { "-2.5", -2 },
        { "2.5000000000000000000001", 3 },
        { ".5", 0 },
        { "5.", 5 },
        { "2147483647", 2147483647 },
        { "2147483647.5", std::nullopt },
        { "2147483648", std::nullopt },
        { "-2147483648", -2147483647 - 1 },
        { "-2147483649", std::nullopt },
        { "", std::nullopt },
        { ".", std::nullopt },
        { "-", std::nullopt },
        { "- 5", std::nullopt },
        { "1 2", std::nullopt },
        { "1.2.3", std::nullopt },
        { "12abc", std::nullopt },
        { "１", std::nullopt },
    };
    for (const auto& row : rows)
        EXPECT_EQ(ini::ToLong(row.text), row.expected) << '"' << row.text << '"';
    EXPECT_EQ(ini::ToLong(std::string(1000, '0') + "17"), 17);
    EXPECT_EQ(ini::ToLong("1" + std::string(1000, '0')), std::nullopt);
}

TEST(Conversion, ToInteger)
{
    const ConversionRow<std::int16_t> rows[] = {
        { "32767", 32767 },
        { "32768", std::nullopt },
        { "32767.5", std::nullopt },
        { "-32768", -32768 },
        { "-32769", std::nullopt },
    };
    for (const auto& row : rows)
        EXPECT_EQ(ini::ToInteger(row.text), row.expected) << '"' << row.text << '"';
}

TEST(Conversion, ToBoolean)
{
    const ConversionRow<bool> rows[] = {
        { "tRUE", true },
        { " FALSE ", false },
        { "-1", true },
        { "0", false },
        { "-0.0", false },
        { "0.4", true },
        { "99999999999999999999999", true },
        { "yes", std::nullopt },
        { "", std::nullopt },
        { "Truth", std::nullopt },
    };
    for (const auto& row : rows)
        EXPECT_EQ(ini::ToBoolean(row.text), row.expected) << '"' << row.text << '"';
}

}
