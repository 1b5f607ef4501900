#pragma once
// The host's own program, for moving the host where a copy-data request cannot carry the
// path: the program that runs a window, a second start of it, and a path's short form.
#include <cstdint>
#include <string>

#include "platform/window_system.h"

namespace kestrix {

enum class ProcessRun {
  kEnded,         // started, and ended within the time given
  kNotStarted,    // the program could not be started
  kStillRunning,  // started, but still running when the time was up
};

class HostProcess {
 public:
  virtual ~HostProcess() = default;
  // The full path of the program whose process owns `window`; empty when it cannot be
  // learnt (no window, or a process this user may not query).
  virtual std::string ExecutableOfWindow(WindowHandle window) = 0;
  // Starts `executable` with the `arguments` (a command line of any script) and waits up
  // to `timeout_ms` for it to end.
  virtual ProcessRun RunAndWait(const std::string& executable, const std::string& arguments,
                                uint32_t timeout_ms) = 0;
  // The path with every level in its short (8.3) form where the level has one; empty when
  // the path cannot be resolved (it does not exist).
  virtual std::string ShortPath(const std::string& path) = 0;
};

}  // namespace kestrix
