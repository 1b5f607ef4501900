#pragma once
#include "platform/resources.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

// RCDATA resources of one module: the running program by default, or a module loaded as a
// data file (LoadLibraryExA with LOAD_LIBRARY_AS_DATAFILE) to read another program's.
class Win32Resources : public Resources {
 public:
  Win32Resources() : module_(GetModuleHandleA(nullptr)) {}
  explicit Win32Resources(HMODULE module) : module_(module) {}

  uint32_t ReadData(const std::string& name, std::string& data) override;

 private:
  HMODULE module_;
};

}  // namespace kestrix
