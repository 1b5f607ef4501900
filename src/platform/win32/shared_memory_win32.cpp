#include "platform/win32/shared_memory_win32.h"

#include <cstring>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

std::optional<std::vector<uint8_t>> Win32SharedMemory::Read(const std::string& name, size_t size) {
  HANDLE mapping = OpenFileMappingW(FILE_MAP_READ, TRUE, Wide(name).c_str());
  if (mapping == nullptr) return std::nullopt;
  std::optional<std::vector<uint8_t>> bytes;
  if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, size)) {
    bytes.emplace(size);
    std::memcpy(bytes->data(), view, size);
    UnmapViewOfFile(view);
  }
  CloseHandle(mapping);
  return bytes;
}

}  // namespace kestrix
