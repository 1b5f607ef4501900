#pragma once
// HostFocus over user32: the foreground window, the host's focused control and taking the
// foreground.
#include "host/host_snapshot.h"

namespace kestrix {

class Win32HostFocus : public HostFocus {
 public:
  WindowHandle ForegroundWindow() override;
  WindowHandle GetForeignFocus() override;
  void ForceForeground(WindowHandle window) override;
  void SendKeyDown(WindowHandle window, uint8_t virtual_key) override;
  void Pause(unsigned milliseconds) override;
};

}  // namespace kestrix
