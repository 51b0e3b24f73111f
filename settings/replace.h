// Reading the settings file, and replacing it at once through a temporary file beside it, so
// that it is always either the old or the new one, never half written.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace ini {

// The folder part of a path with its '/': "/opt/rurized/x" -> "/opt/rurized/".
std::string DirName(const std::string& path);

// The target of a symbolic link, nullopt when path is no link.
std::optional<std::string> ReadLink(const std::string& path);

// The whole file, or nullopt when it is missing, unreadable or not a regular file.
std::optional<std::string> ReadFile(const std::string& path);

// The new bytes of a file for its present ones ("" when there is none yet); nullopt refuses.
using FileEdit = std::function<std::optional<std::string>(const std::string& bytes)>;

// Replaces the file that path names, through any links, with edit's bytes. False, with the file
// as it was, when it or its folder may not be written, it is no regular file, edit refuses or a
// system call fails.
bool ReplaceFile(const std::string& path, const FileEdit& edit);

}
