// The system calls by which WriteIni replaces the settings file. Tests swap one of them for a
// failing one to play a full disk or a failing device part-way through a write.
#pragma once

#include <cstddef>
#include <functional>

#include <sys/types.h>

namespace ini {

// An empty member stands for the real call of the same name.
struct FileCalls {
    std::function<ssize_t(int fd, const void* bytes, std::size_t count)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
};

// Puts calls in force for every later WriteIni; SetFileCalls({}) restores the real ones.
void SetFileCalls(FileCalls calls);

}
