#pragma once
// Creating directories level by level through the file-system seam. The caller reacts to
// each outcome (attributes, history, tree cache, messages); nothing here shows anything.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace kestrix {

enum class LevelStep {
  kEntered,  // the level already existed as a directory (or the part was empty)
  kCreated,
  kFailed,  // error holds the CreateDirectory code; the base stays where it was
};

struct LevelOutcome {
  std::string part;
  std::string path;  // base + part, without a trailing "\" (the base itself for an empty part)
  LevelStep step = LevelStep::kEntered;
  uint32_t error = kErrorSuccess;
};

// Walks `levels` (SplitLevels of a chain) from `base`, which ends with "\". Each existing
// level is entered and each missing one created; after a failure the next part is tried
// under the same base. An empty part (from a leading, doubled or trailing "\") stays at
// the current base, which is how "\x" starts at the base itself.
std::vector<LevelOutcome> CreateLevels(FileSystem& fs, std::string_view base,
                                       const std::vector<std::string>& levels);

// Creates `path` with every missing level, like the runtime library's ForceDirectories.
// Returns kErrorSuccess when the directory exists afterwards, else the error of the first
// level that could not be created (kErrorPathNotFound for a path without any existing
// root, kErrorInvalidName for an empty path).
uint32_t ForceDirectories(FileSystem& fs, std::string_view path);

}  // namespace kestrix
