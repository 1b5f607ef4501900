#include "host_paths.h"

#include "ini_text.h"

namespace kestrix::tcsim {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool HasDriveColon(const std::string& path) {
  return path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
}

bool IsPluginPath(const std::string& path) {
  return path.rfind("\\\\\\", 0) == 0;
}

bool IsUncPath(const std::string& path) {
  return path.rfind("\\\\", 0) == 0 && !IsPluginPath(path);
}

// Length of the part of a path that no parent step may remove.
size_t RootLength(const std::string& path) {
  if (IsPluginPath(path)) return 3;
  if (HasDriveColon(path)) return 3;
  if (IsUncPath(path)) {
    size_t server_end = path.find('\\', 2);
    if (server_end == std::string::npos) return path.size();
    size_t share_end = path.find('\\', server_end + 1);
    return share_end == std::string::npos ? path.size() : share_end + 1;
  }
  return 0;
}

}  // namespace

std::string NormalizePanelPath(const std::string& path) {
  std::string result = Trim(path);
  if (result.size() >= 3 && result.compare(result.size() - 3, 3, "*.*") == 0) {
    result.resize(result.size() - 3);
  }
  if (!result.empty() && result.back() != '\\' && result.back() != '/') result += '\\';
  return result;
}

PathKind ClassifyPath(const std::string& path,
                      const std::function<bool(const std::string&)>& is_file) {
  if (IsPluginPath(path)) return PathKind::kPlugin;
  if (HasDriveColon(path) && IsDigit(path[0])) return PathKind::kDigitDrive;
  for (size_t pos = path.find('\\', RootLength(path)); pos != std::string::npos;
       pos = path.find('\\', pos + 1)) {
    if (pos > 0 && is_file(path.substr(0, pos))) return PathKind::kArchive;
  }
  return PathKind::kDirectory;
}

bool IsFakeKind(PathKind kind) {
  return kind != PathKind::kDirectory;
}

const char* PathKindName(PathKind kind) {
  switch (kind) {
    case PathKind::kDirectory:
      return "directory";
    case PathKind::kArchive:
      return "archive";
    case PathKind::kPlugin:
      return "plugin";
    case PathKind::kDigitDrive:
      return "digit-drive";
  }
  return "?";
}

std::string PathPanelText(const std::string& path) {
  return path + "*.*";
}

std::string CommandLineLabel(const std::string& path) {
  std::string shown = path;
  if (shown.size() > RootLength(shown) && !shown.empty() && shown.back() == '\\') {
    shown.pop_back();
  }
  return shown + ">";
}

std::optional<ParentStep> ParentOf(const std::string& path) {
  size_t root = RootLength(path);
  if (path.size() <= root) return std::nullopt;
  std::string trimmed = path;
  if (trimmed.back() == '\\') trimmed.pop_back();
  size_t slash = trimmed.rfind('\\');
  if (slash == std::string::npos || slash + 1 < root) return std::nullopt;
  return ParentStep{trimmed.substr(0, slash + 1), trimmed.substr(slash + 1)};
}

std::string RootOf(const std::string& path) {
  size_t root = RootLength(path);
  return root == 0 ? path : path.substr(0, root);
}

}  // namespace kestrix::tcsim
