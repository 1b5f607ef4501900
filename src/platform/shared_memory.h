#pragma once
// Named shared memory published by other programs, read-only.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrix {

class SharedMemory {
 public:
  virtual ~SharedMemory() = default;
  // Copies the first `size` bytes of the named file mapping; nullopt when the mapping does
  // not exist or cannot be mapped with that size.
  virtual std::optional<std::vector<uint8_t>> Read(const std::string& name, size_t size) = 0;
};

}  // namespace kestrix
