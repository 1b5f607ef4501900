#include "names/system_sources.h"

#include <cstdio>

#include "names/variable_error.h"

namespace kestrix {

namespace {

constexpr uint32_t kPlatformWindows9x = 1;
constexpr uint32_t kPlatformNt = 2;
// Windows 11 kept major version 10; its builds start here.
constexpr uint32_t kFirstWindows11Build = 22000;

std::string NtName(uint32_t major, uint32_t minor, uint32_t build) {
  if (major < 5) return "Windows NT";
  if (major == 5 && minor == 0) return "Windows 2000";
  if (major == 5 && minor == 1) return "Windows XP";
  if (major == 6 && minor == 0) return "Windows Vista";
  if (major == 6 && minor == 1) return "Windows 7";
  if (major == 6 && minor == 2) return "Windows 8";
  if (major == 6 && minor == 3) return "Windows 8.1";
  if (major == 10 && minor == 0) return build >= kFirstWindows11Build ? "Windows 11" : "Windows 10";
  return "Unknown";
}

}  // namespace

std::string UserNameSource(SystemFacts& system) {
  return system.UserName().value_or("");
}

std::string ComputerNameSource(SystemFacts& system) {
  return system.ComputerName().value_or("");
}

std::string OsName(const std::optional<ReportedOsVersion>& reported,
                   const std::optional<RealOsVersion>& real) {
  if (!reported) return "Unknown";
  const ReportedOsVersion& v = *reported;
  if (v.platform_id == kPlatformWindows9x && v.major == 4) {
    if (v.minor == 0) return "Windows 95";
    if (v.minor == 10)
      return (v.service_pack.size() >= 2 && v.service_pack[1] == 'A') ? "Windows 98 SE"
                                                                      : "Windows 98";
    if (v.minor == 90) return "Windows Me";
    return "Unknown";
  }
  if (v.platform_id != kPlatformNt) return "Unknown";
  // Without a manifest every system since 8.1 reports 6.2; only then is the real version
  // asked, so a lower version reported by a compatibility mode keeps its name.
  if (v.major == 6 && v.minor == 2 && real &&
      (real->major > 6 || (real->major == 6 && real->minor > 2)))
    return NtName(real->major, real->minor, real->build);
  return NtName(v.major, v.minor, v.build);
}

std::string OsNameSource(SystemFacts& system) {
  std::optional<ReportedOsVersion> reported = system.ReportedVersion();
  std::optional<RealOsVersion> real;
  if (reported && reported->platform_id == kPlatformNt && reported->major == 6 &&
      reported->minor == 2)
    real = system.RealVersion();
  return OsName(reported, real);
}

std::string WorkgroupSource(SystemFacts& system) {
  std::optional<ReportedOsVersion> reported = system.ReportedVersion();
  if (!reported || reported->platform_id != kPlatformNt) return {};
  return system.Workgroup().value_or("");
}

std::string UptimeText(uint32_t tick_count) {
  constexpr uint32_t kDay = 86400000, kHour = 3600000, kMinute = 60000, kSecond = 1000;
  uint32_t days = tick_count / kDay;
  uint32_t rest = tick_count % kDay;
  uint32_t hours = rest / kHour;
  rest %= kHour;
  uint32_t minutes = rest / kMinute;
  rest %= kMinute;
  uint32_t seconds = rest / kSecond;
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%02ud%02uh%02um%02us", days, hours, minutes, seconds);
  return buffer;
}

bool SystemIs64Bit(SystemFacts& system) {
  // A 64-bit process needs a 64-bit system; IsWow64Process answers only for 32-bit ones.
  if (system.Is64BitProcess()) return true;
  Wow64Answer answer = system.IsWow64();
  if (!answer.function_exists) return false;
  if (!answer.succeeded)
    throw VariableError("System Error. Code: " + std::to_string(answer.error) + ".", answer.error);
  return answer.is_wow64;
}

std::string ArchitectureBitsSource(SystemFacts& system) {
  return SystemIs64Bit(system) ? "64" : "32";
}

std::string ArchitectureNameSource(SystemFacts& system) {
  return SystemIs64Bit(system) ? "x64" : "x86";
}

}  // namespace kestrix
