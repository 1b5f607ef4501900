#pragma once
// What the system knows about a file extension (given without its "."): whether a class
// is registered for it, its friendly document name and the program that opens it.
#include <string>

namespace kestrix {

// True when HKEY_CLASSES_ROOT holds a key ".ext".
bool IsKnownExtension(const std::string& extension);
// The friendly document name of ".ext" for the verb "open"; "" when the system has none.
std::string FriendlyDocName(const std::string& extension);
// The program that opens ".ext" for the verb "open"; "" when the system has none.
std::string ExecutableFor(const std::string& extension);

}  // namespace kestrix
