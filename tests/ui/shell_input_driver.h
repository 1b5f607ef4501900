#pragma once
// What the shell hands the window in tests: a drop handle built in memory.
#include "platform/win32/windows_api.h"
// After the Windows headers it needs.
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace kestrix {

using Names = std::vector<std::string>;

// A drop handle as the shell hands it over: DROPFILES, then zero-terminated names and a
// final zero, in ANSI or UTF-16.
inline HDROP MakeDrop(const Names& names, bool wide) {
  std::string payload;
  for (const std::string& name : names) {
    for (char c : name) {
      payload.push_back(c);
      if (wide) payload.push_back('\0');
    }
    payload.append(wide ? 2 : 1, '\0');
  }
  payload.append(wide ? 2 : 1, '\0');
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + payload.size());
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = wide;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), payload.data(), payload.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

}  // namespace kestrix
