#pragma once
// FakeSharedMemory: named mappings held as byte vectors. Mapping more bytes than a mapping
// holds fails, as MapViewOfFile does.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/shared_memory.h"

namespace kestrix {

class FakeSharedMemory : public SharedMemory {
 public:
  std::optional<std::vector<uint8_t>> Read(const std::string& name, size_t size) override {
    auto it = mappings.find(name);
    if (it == mappings.end() || it->second.size() < size) return std::nullopt;
    return std::vector<uint8_t>(it->second.begin(), it->second.begin() + size);
  }

  std::map<std::string, std::vector<uint8_t>> mappings;
};

}  // namespace kestrix
