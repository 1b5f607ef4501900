#pragma once
// Raw data of a resource bound into a module (RCDATA images, language texts).
#include <cstdint>
#include <string>

#include "platform/resources.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

// Copies the resource's bytes into `data`. Returns 0 or the Windows error code
// (ERROR_RESOURCE_NAME_NOT_FOUND when there is none of that name). Resource data is not
// zero-terminated: its size comes from SizeofResource. Names compare case-insensitively;
// `name` and `type` are UTF-8 or numbers made with MAKEINTRESOURCEA.
uint32_t ReadResourceData(HMODULE module, const char* name, const char* type, std::string& data);
inline uint32_t ReadRcData(HMODULE module, const char* name, std::string& data) {
  return ReadResourceData(module, name, MAKEINTRESOURCEA(10), data);  // RT_RCDATA
}
bool ResourceExists(HMODULE module, const char* name, const char* type);

// RCDATA resources of one module: the running program by default, or a module loaded as a
// data file (LoadLibraryExW with LOAD_LIBRARY_AS_DATAFILE) to read another program's.
class Win32Resources : public Resources {
 public:
  Win32Resources() : module_(GetModuleHandleW(nullptr)) {}
  explicit Win32Resources(HMODULE module) : module_(module) {}

  uint32_t ReadData(const std::string& name, std::string& data) override {
    return ReadRcData(module_, name.c_str(), data);
  }

 private:
  HMODULE module_;
};

}  // namespace kestrix
