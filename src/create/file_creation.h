#pragma once
// Whether a name's last level is to be made as an empty file rather than a directory: the
// Files page's switches. With creation on, a last level whose extension is in the enabled
// list (compared without case) is a file; with detection on as well, any extension the
// system knows counts too. With creation off every level stays a directory.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kestrix {

struct FileCreationRules {
  bool enable = false;
  bool extension_detection = false;
  std::vector<std::string> extensions;  // without the leading "."
  // Whether the system knows ".ext" (asked only with detection on).
  std::function<bool(const std::string& extension)> known_extension;
};

struct FileTarget {
  std::string directories;  // the levels above the file, "" or "a\b" (no trailing "\")
  std::string file;         // the last level
  bool operator==(const FileTarget&) const = default;
};

// The extension of a level: the text after its last ".", "" when there is none or the
// dot leads the name (".gitignore" is a name, not an extension).
std::string LevelExtension(const std::string& level);
// The split of a one-name text ("notes.txt", "src\index.html") when its last level is a
// file; nothing for a directory, a list ("|", "*", line breaks) or a trailing "\".
std::optional<FileTarget> FileTargetOf(const std::string& text, const FileCreationRules& rules);

}  // namespace kestrix
