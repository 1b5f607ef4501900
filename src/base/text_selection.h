#pragma once
// A selection as edit controls report it: 0-based start and a length.
#include <cstddef>

namespace kestrix {

struct TextSelection {
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const TextSelection&) const = default;
};

}  // namespace kestrix
