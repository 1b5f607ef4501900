#pragma once
// Facts about the running system and the logged-on user; names are UTF-8.
#include <cstdint>
#include <optional>
#include <string>

namespace kestrix {

// What GetVersionExW reports (which a compatibility manifest or mode may lower).
struct ReportedOsVersion {
  uint32_t platform_id = 0;  // 1: Windows 9x family, 2: NT family
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  std::string service_pack;  // szCSDVersion
};

// The version the kernel itself reports (RtlGetVersion), whatever the manifest says.
struct RealOsVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
};

struct Wow64Answer {
  bool function_exists = false;  // IsWow64Process is exported by kernel32
  bool succeeded = false;
  bool is_wow64 = false;
  uint32_t error = 0;  // system error code when the call failed
};

class SystemFacts {
 public:
  virtual ~SystemFacts() = default;
  // Each returns nullopt when the system call fails.
  virtual std::optional<std::string> UserName() = 0;
  virtual std::optional<std::string> ComputerName() = 0;
  virtual std::optional<ReportedOsVersion> ReportedVersion() = 0;
  virtual std::optional<RealOsVersion> RealVersion() = 0;
  // The workstation's workgroup or domain (NetWkstaGetInfo level 100); nullopt when the
  // library is missing or the call fails.
  virtual std::optional<std::string> Workgroup() = 0;
  virtual Wow64Answer IsWow64() = 0;
  // Whether this process itself is a 64-bit program.
  virtual bool Is64BitProcess() = 0;
};

}  // namespace kestrix
