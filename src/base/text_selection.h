#pragma once
// A selection in a field's text: 0-based start and a length, in bytes of the UTF-8 text. The
// window translates the controls' UTF-16 positions to and from these in one place.
#include <cstddef>

namespace kestrix {

struct TextSelection {
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const TextSelection&) const = default;
};

}  // namespace kestrix
