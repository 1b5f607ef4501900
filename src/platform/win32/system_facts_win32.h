#pragma once
#include "platform/system_facts.h"

namespace kestrix {

// GetUserNameW, GetComputerNameW, GetVersionExW, RtlGetVersion, NetWkstaGetInfo and
// IsWow64Process, the last three looked up at run time.
class Win32SystemFacts : public SystemFacts {
 public:
  std::optional<std::string> UserName() override;
  std::optional<std::string> ComputerName() override;
  std::optional<ReportedOsVersion> ReportedVersion() override;
  std::optional<RealOsVersion> RealVersion() override;
  std::optional<std::string> Workgroup() override;
  Wow64Answer IsWow64() override;
  bool Is64BitProcess() override;
};

}  // namespace kestrix
