#pragma once
// Panel paths as the stand-in host keeps them: always ending with "\", shown in the path
// panel with "*.*" after them and in the command-line label with ">" after them.
#include <functional>
#include <optional>
#include <string>

namespace kestrix::tcsim {

enum class PathKind {
  kDirectory,   // a real directory, listed from the file system
  kArchive,     // inside an archive file ("C:\x.zip\"); fake listing
  kPlugin,      // a plug-in file system ("\\\", "\\\Virtual Panel\..."); fake listing
  kDigitDrive,  // "1:\..." locations of other plug-ins; fake listing
};

// Trims, removes a trailing "*.*" and appends "\" when missing. Empty stays empty.
std::string NormalizePanelPath(const std::string& path);
// The kind of a normalized path; `is_file` tells whether a path names an existing
// non-directory (asked for every prefix, so a folder inside an archive is an archive).
PathKind ClassifyPath(const std::string& path,
                      const std::function<bool(const std::string&)>& is_file);
bool IsFakeKind(PathKind kind);
const char* PathKindName(PathKind kind);

std::string PathPanelText(const std::string& path);     // "C:\Work\*.*"
std::string CommandLineLabel(const std::string& path);  // "C:\Work>", "C:\>"

struct ParentStep {
  std::string parent;  // normalized parent path
  std::string child;   // the name of the level left, focused in the parent
};
// Nothing at a root ("C:\", "\\\", "\\server\share\").
std::optional<ParentStep> ParentOf(const std::string& path);
std::string RootOf(const std::string& path);

}  // namespace kestrix::tcsim
