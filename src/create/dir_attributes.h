#pragma once
// The attribute set chosen for new directories, and applying it to one directory.
#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace kestrix {

struct DirAttributeSet {
  bool read_only = false;
  bool archive = false;
  bool hidden = false;
  bool system = false;

  // The SetFileAttributesA value: the directory bit plus the chosen bits.
  uint32_t Value() const;
};

// Gives `path` the directory attribute plus the chosen bits (16 alone when none is chosen).
// Returns the system error code, 0 on success.
uint32_t SetDirAttributes(FileSystem& fs, const std::string& path, const DirAttributeSet& set);

}  // namespace kestrix
