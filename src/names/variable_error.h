#pragma once
// A failure while computing a variable that the user must be told about; the operation
// that asked for the expansion (preview or creation) stops.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kestrix {

class VariableError : public std::runtime_error {
 public:
  explicit VariableError(const std::string& message, uint32_t system_error = 0)
      : std::runtime_error(message), system_error_(system_error) {}
  // The Windows error code behind the failure, 0 when none.
  uint32_t system_error() const { return system_error_; }

 private:
  uint32_t system_error_;
};

}  // namespace kestrix
