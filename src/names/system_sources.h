#pragma once
// Values of the system variables "{un}", "{pc}", "{os}", "{wg}", "{ut}", "{at}", "{ax}".
// The caller trims them.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/system_facts.h"

namespace kestrix {

std::string UserNameSource(SystemFacts& system);
std::string ComputerNameSource(SystemFacts& system);

// The system's name from the reported version; where the reported version is the 6.2 that
// programs without a compatibility manifest get, the real version names Windows 8.1, 10
// and 11. "Unknown" for anything else.
std::string OsName(const std::optional<ReportedOsVersion>& reported,
                   const std::optional<RealOsVersion>& real);
std::string OsNameSource(SystemFacts& system);

// Empty outside the NT family and when the lookup fails.
std::string WorkgroupSource(SystemFacts& system);

// "02d05h07m09s": days, hours, minutes, seconds with at least two digits each.
std::string UptimeText(uint32_t tick_count);

// Whether the system is 64-bit: a 64-bit process, or a 32-bit one under WOW64. Throws
// VariableError when IsWow64Process exists but fails.
bool SystemIs64Bit(SystemFacts& system);
std::string ArchitectureBitsSource(SystemFacts& system);  // "64" or "32"
std::string ArchitectureNameSource(SystemFacts& system);  // "x64" or "x86"

}  // namespace kestrix
