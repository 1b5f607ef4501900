#pragma once
#include "platform/host_process.h"

namespace kestrix {

// HostProcess over kernel32 and user32, with the wide calls throughout: the host's folder
// and the path handed to it may be in any script.
class Win32HostProcess : public HostProcess {
 public:
  std::string ExecutableOfWindow(WindowHandle window) override;
  ProcessRun RunAndWait(const std::string& executable, const std::string& arguments,
                        uint32_t timeout_ms) override;
  std::string ShortPath(const std::string& path) override;
};

}  // namespace kestrix
