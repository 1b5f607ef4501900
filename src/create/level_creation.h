#pragma once
// Creating a directory with every missing level through the file-system seam.
#include <cstdint>
#include <string_view>

#include "platform/file_system.h"

namespace kestrix {

// Creates `path` with every missing level, like the runtime library's ForceDirectories.
// Returns kErrorSuccess when the directory exists afterwards, else the error of the first
// level that could not be created (kErrorPathNotFound for a path without any existing
// root, kErrorInvalidName for an empty path).
uint32_t ForceDirectories(FileSystem& fs, std::string_view path);

}  // namespace kestrix
