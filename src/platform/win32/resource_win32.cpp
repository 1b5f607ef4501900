#include "platform/win32/resource_win32.h"

namespace kestrix {

uint32_t Win32Resources::ReadData(const std::string& name, std::string& data) {
  data.clear();
  HRSRC info = FindResourceA(module_, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (info == nullptr) return GetLastError();
  // The size comes from SizeofResource: the data is not zero-terminated.
  const DWORD size = SizeofResource(module_, info);
  HGLOBAL handle = LoadResource(module_, info);
  if (handle == nullptr) return GetLastError();
  const void* bytes = LockResource(handle);
  if (bytes == nullptr) return GetLastError();
  data.assign(static_cast<const char*>(bytes), size);
  return 0;
}

}  // namespace kestrix
