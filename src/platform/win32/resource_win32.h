#pragma once
// Raw data of a resource bound into a module (RCDATA images, language texts).
#include <cstdint>
#include <string>

#include "platform/win32/windows_api.h"

namespace kestrix {

// Copies the resource's bytes into `data`. Returns 0 or the Windows error code
// (ERROR_RESOURCE_NAME_NOT_FOUND when there is none of that name). Resource data is not
// zero-terminated: its size comes from SizeofResource. Names compare case-insensitively.
uint32_t ReadResourceData(HMODULE module, const char* name, const char* type, std::string& data);
inline uint32_t ReadRcData(HMODULE module, const char* name, std::string& data) {
  return ReadResourceData(module, name, MAKEINTRESOURCEA(10), data);  // RT_RCDATA
}
bool ResourceExists(HMODULE module, const char* name, const char* type);

}  // namespace kestrix
