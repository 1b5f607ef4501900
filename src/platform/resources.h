#pragma once
// The program's embedded data resources (RCDATA: built-in language files, images), looked
// up by name. Names compare case-insensitively, as the platform's resource lookup does.
#include <cstdint>
#include <string>

namespace kestrix {

class Resources {
 public:
  virtual ~Resources() = default;

  // The whole resource as bytes (it carries no terminating zero). Returns 0 on success or
  // the platform's error code (kErrorResourceNameNotFound when there is no such resource).
  virtual uint32_t ReadData(const std::string& name, std::string& data) = 0;

  bool Exists(const std::string& name) {
    std::string ignored;
    return ReadData(name, ignored) == 0;
  }
};

// ERROR_RESOURCE_NAME_NOT_FOUND, spelled out so portable code needs no <windows.h>.
inline constexpr uint32_t kErrorResourceNameNotFound = 1814;

}  // namespace kestrix
