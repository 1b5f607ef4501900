#pragma once
// What the system knows about a file extension (given without its "."): whether a class
// is registered for it, and its friendly document name.
#include <string>

namespace kestrix {

// True when HKEY_CLASSES_ROOT holds a key ".ext".
bool IsKnownExtension(const std::string& extension);
// The friendly document name of ".ext" for the verb "open"; "" when the system has none.
std::string FriendlyDocName(const std::string& extension);

}  // namespace kestrix
