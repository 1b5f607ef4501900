#pragma once
// FakeSystemFacts: every answer is a public field the test sets.
#include <optional>
#include <string>

#include "platform/system_facts.h"

namespace kestrix {

class FakeSystemFacts : public SystemFacts {
 public:
  std::optional<std::string> UserName() override { return user_name; }
  std::optional<std::string> ComputerName() override { return computer_name; }
  std::optional<ReportedOsVersion> ReportedVersion() override { return reported_version; }
  std::optional<RealOsVersion> RealVersion() override { return real_version; }
  std::optional<std::string> Workgroup() override { return workgroup; }
  Wow64Answer IsWow64() override { return wow64; }
  bool Is64BitProcess() override { return is_64bit_process; }

  std::optional<std::string> user_name = "tester";
  std::optional<std::string> computer_name = "KESTRIX-PC";
  std::optional<ReportedOsVersion> reported_version = ReportedOsVersion{2, 6, 2, 9200, ""};
  std::optional<RealOsVersion> real_version = RealOsVersion{10, 0, 19045};
  std::optional<std::string> workgroup = "WORKGROUP";
  Wow64Answer wow64{true, true, false, 0};
  bool is_64bit_process = false;
};

}  // namespace kestrix
