#pragma once
#include <cstdint>
#include <string>

namespace kestrix {

// The system's text for a Windows error code, without the trailing line break; empty when
// the system has none.
std::string SystemErrorText(uint32_t code);

}  // namespace kestrix
