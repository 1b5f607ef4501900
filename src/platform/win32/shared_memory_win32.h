#pragma once
#include "platform/shared_memory.h"

namespace kestrix {

// OpenFileMappingW (read access, inheritable handle) and MapViewOfFile.
class Win32SharedMemory : public SharedMemory {
 public:
  std::optional<std::vector<uint8_t>> Read(const std::string& name, size_t size) override;
};

}  // namespace kestrix
