#pragma once
// Creating a directory with all its missing parents, as ForceDirectories does.
#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace kestrix {

// Creates every missing level of `path` (a trailing "\" is allowed). Returns 0 when the
// directory exists afterwards, else the error code of the level that failed.
uint32_t ForceDirectories(FileSystem& fs, const std::string& path);

// The directory part of a path, with its trailing "\" ("C:\a\b.ini" gives "C:\a\").
std::string ExtractFilePath(const std::string& path);

}  // namespace kestrix
