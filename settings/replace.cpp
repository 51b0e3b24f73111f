#include "settings/replace.h"
#include "settings/ini_seam.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ini {

namespace {

    FileCalls& CallsInForce()
    {
        static FileCalls calls;
        return calls;
    }

    ssize_t WriteSome(int fd, const void* bytes, std::size_t count)
    {
        const auto& call = CallsInForce().write;
        return call ? call(fd, bytes, count) : ::write(fd, bytes, count);
    }

    int SyncFile(int fd)
    {
        const auto& call = CallsInForce().fsync;
        return call ? call(fd) : ::fsync(fd);
    }

    int CloseFile(int fd)
    {
        const auto& call = CallsInForce().close;
        return call ? call(fd) : ::close(fd);
    }

    int RenameFile(const char* from, const char* to)
    {
        const auto& call = CallsInForce().rename;
        return call ? call(from, to) : ::rename(from, to);
    }

    // A write that makes no progress fails too: waiting for room on a full disk would hang.
    bool WriteAll(int fd, std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t count = WriteSome(fd, bytes.data(), bytes.size());
            if (count == 0 || (count < 0 && errno != EINTR))
                return false;
            if (count > 0)
                bytes.remove_prefix(static_cast<std::size_t>(count));
        }
        return true;
    }

    constexpr std::string_view kTemporarySuffix = ".tmp";

    // "Rurized.ini.Ab12Cd.tmp" for path "Rurized.ini": the name of a temporary file of a write.
    bool IsTemporaryName(std::string_view name, std::string_view fileName)
    {
        constexpr std::size_t kRandom = 6;
        const std::size_t prefix = fileName.size() + 1;
        if (name.size() != prefix + kRandom + kTemporarySuffix.size()
            || name.substr(0, fileName.size()) != fileName || name[fileName.size()] != '.'
            || name.substr(prefix + kRandom) != kTemporarySuffix)
            return false;
        const std::string_view random = name.substr(prefix, kRandom);
        return std::all_of(random.begin(), random.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        });
    }

    // Removes the temporary files of writes that were killed before their rename. A write holds
    // the lock of its temporary file until it closes it, so a file whose lock is free is left over.
    void RemoveLeftovers(const std::string& path)
    {
        const std::string folder = DirName(path);
        DIR* listing = opendir(folder.c_str());
        if (!listing)
            return;
        while (const dirent* entry = readdir(listing)) {
            if (!IsTemporaryName(entry->d_name, std::string_view(path).substr(folder.size())))
                continue;
            const std::string leftover = folder + entry->d_name;
            const int fd = open(leftover.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
            if (fd < 0)
                continue;
            struct stat status { };
            if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
                && flock(fd, LOCK_EX | LOCK_NB) == 0)
                unlink(leftover.c_str());
            close(fd);
        }
        closedir(listing);
    }

    // Writes bytes to a fresh file beside path and renames it over path, so that the file is
    // Writes bytes to a fresh file beside path and renames it over path, so that the file is
    // always either the old or the new one, never half written.
    bool WriteAndRename(const std::string& path, std::string_view bytes, mode_t mode)
    {
        RemoveLeftovers(path);
        std::string temporary = path + ".XXXXXX" + std::string(kTemporarySuffix);
        const int fd
            = mkostemps(temporary.data(), static_cast<int>(kTemporarySuffix.size()), O_CLOEXEC);
        if (fd < 0)
            return false;
        bool ok = flock(fd, LOCK_EX) == 0 && WriteAll(fd, bytes) && fchmod(fd, mode) == 0
            && SyncFile(fd) == 0;
        ok = CloseFile(fd) == 0 && ok;
        ok = ok && RenameFile(temporary.c_str(), path.c_str()) == 0;
        if (!ok) {
            unlink(temporary.c_str());
            return false;
        }
        // The new file is in place; syncing the folder only hastens the rename reaching the disk.
        if (const int folder = open(DirName(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            folder >= 0) {
            fsync(folder);
            close(folder);
        }
        return true;
    }

    // Follows a chain of symbolic links to the file they name, which may not exist yet.
    std::optional<std::string> ResolveLinks(std::string path)
    {
        for (int hop = 0; hop < 40; ++hop) {
            struct stat status { };
            if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
                return path;
            const auto target = ReadLink(path);
            if (!target)
                return std::nullopt;
            path = target->front() == '/' ? *target : DirName(path) + *target;
        }
        return std::nullopt;
    }

    // root passes access(W_OK) everywhere, so the write bits are checked too: a file or folder
    // made read-only stays untouched even then.
    bool MayWrite(const std::string& path, const struct stat& status)
    {
        return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
            && access(path.c_str(), W_OK) == 0;
    }

    // The mode bits a new file gets, read without umask(), which would change it for a moment
    // under other threads.
    mode_t NewFileMode()
    {
        mode_t mask = 022;
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("Umask:", 0) == 0)
                mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
        return 0666 & ~mask;
    }

}

void SetFileCalls(FileCalls calls) { CallsInForce() = std::move(calls); }

std::string DirName(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

std::optional<std::string> ReadLink(const std::string& path)
{
    std::string target(256, '\0');
    for (;;) {
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length <= 0)
            return std::nullopt;
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

std::optional<std::string> ReadFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer { fd };
    struct stat status { };
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count == 0)
            return text;
        if (count < 0 && errno != EINTR)
            return std::nullopt;
        if (count > 0)
            text.append(buffer, static_cast<std::size_t>(count));
    }
}

bool ReplaceFile(const std::string& named, const FileEdit& edit)
{
    const auto path = ResolveLinks(named);
    if (!path)
        return false;
    const std::string folder = DirName(*path);
    struct stat folderStatus { };
    if (stat(folder.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode)
        || !MayWrite(folder, folderStatus))
        return false;
    struct stat fileStatus { };
    std::string text;
    mode_t mode = 0;
    if (stat(path->c_str(), &fileStatus) == 0) {
        if (!S_ISREG(fileStatus.st_mode) || !MayWrite(*path, fileStatus))
            return false;
        auto old = ReadFile(*path);
        if (!old)
            return false;
        text = std::move(*old);
        mode = fileStatus.st_mode & 07777;
    } else if (errno == ENOENT)
        mode = NewFileMode();
    else
        return false;
    const auto edited = edit(text);
    return edited && WriteAndRename(*path, *edited, mode);
}

}
