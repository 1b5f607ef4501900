#pragma once
// Which systems refuse a plain SetForegroundWindow from a background process (Windows 98,
// Windows 2000 and later), so that the foreground has to be taken through the foreground
// thread's input.
#include <cstdint>

namespace kestrix {

inline constexpr uint32_t kPlatformWindows9x = 1;  // VER_PLATFORM_WIN32_WINDOWS
inline constexpr uint32_t kPlatformNt = 2;         // VER_PLATFORM_WIN32_NT

bool ForegroundNeedsThreadAttach(uint32_t platform_id, uint32_t major, uint32_t minor);

}  // namespace kestrix
