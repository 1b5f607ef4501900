#pragma once
// The system facts asked once each: they do not change while the window is open, and the
// variables ask for them on every key typed into the name field.
#include <optional>
#include <string>

#include "platform/system_facts.h"

namespace kestrix {

class CachedSystemFacts : public SystemFacts {
 public:
  explicit CachedSystemFacts(SystemFacts& system) : system_(system) {}

  std::optional<std::string> UserName() override { return Once(user_, &SystemFacts::UserName); }
  std::optional<std::string> ComputerName() override {
    return Once(computer_, &SystemFacts::ComputerName);
  }
  std::optional<ReportedOsVersion> ReportedVersion() override {
    return Once(reported_, &SystemFacts::ReportedVersion);
  }
  std::optional<RealOsVersion> RealVersion() override {
    return Once(real_, &SystemFacts::RealVersion);
  }
  std::optional<std::string> Workgroup() override {
    return Once(workgroup_, &SystemFacts::Workgroup);
  }
  Wow64Answer IsWow64() override { return Once(wow64_, &SystemFacts::IsWow64); }
  bool Is64BitProcess() override { return Once(is_64_bit_, &SystemFacts::Is64BitProcess); }

 private:
  template <typename T>
  T Once(std::optional<T>& cached, T (SystemFacts::*ask)()) {
    if (!cached) cached = (system_.*ask)();
    return *cached;
  }

  SystemFacts& system_;
  std::optional<std::optional<std::string>> user_, computer_, workgroup_;
  std::optional<std::optional<ReportedOsVersion>> reported_;
  std::optional<std::optional<RealOsVersion>> real_;
  std::optional<Wow64Answer> wow64_;
  std::optional<bool> is_64_bit_;
};

}  // namespace kestrix
