#pragma once
#include "platform/clock.h"

namespace kestrix {

// GetLocalTime and GetTickCount.
class Win32Clock : public Clock {
 public:
  LocalDateTime Now() override;
  uint32_t TickCount() override;
};

}  // namespace kestrix
