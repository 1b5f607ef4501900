#include "platform/win32/resource_win32.h"

namespace kestrix {

uint32_t ReadResourceData(HMODULE module, const char* name, const char* type, std::string& data) {
  data.clear();
  HRSRC info = FindResourceA(module, name, type);
  if (info == nullptr) return GetLastError();
  const DWORD size = SizeofResource(module, info);
  HGLOBAL handle = LoadResource(module, info);
  if (handle == nullptr) return GetLastError();
  const void* bytes = LockResource(handle);
  if (bytes == nullptr) return GetLastError();
  data.assign(static_cast<const char*>(bytes), size);
  return 0;
}

bool ResourceExists(HMODULE module, const char* name, const char* type) {
  return FindResourceA(module, name, type) != nullptr;
}

}  // namespace kestrix
