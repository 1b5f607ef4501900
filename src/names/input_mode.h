#pragma once

namespace kestrix {

// Which input field holds the user's text: the one-line name field or the multi-line list.
// Batch mode fills the same list, so for text handling it is Extended.
enum class InputMode { kNormal, kExtended };

}  // namespace kestrix
