#pragma once
// The local clock as the portable logic sees it.
#include <cstdint>

namespace kestrix {

// One reading of the local date and time (not UTC), as the system reports it.
struct LocalDateTime {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() = 0;
  // Milliseconds since the system started; wraps to 0 after about 49.7 days.
  virtual uint32_t TickCount() = 0;
};

}  // namespace kestrix
