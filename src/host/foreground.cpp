#include "host/foreground.h"

namespace kestrix {

bool ForegroundNeedsThreadAttach(uint32_t platform_id, uint32_t major, uint32_t minor) {
  if (platform_id == kPlatformNt) return major > 4;
  if (platform_id == kPlatformWindows9x) return major > 4 || (major == 4 && minor > 0);
  return false;
}

}  // namespace kestrix
