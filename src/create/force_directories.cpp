#include "create/force_directories.h"

#include "host/path_text.h"

namespace kestrix {

std::string ExtractFilePath(const std::string& path) {
  size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? "" : path.substr(0, cut + 1);
}

uint32_t ForceDirectories(FileSystem& fs, const std::string& path) {
  std::string dir = path;
  while (dir.size() > 1 && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
  if (dir.empty()) return kErrorPathNotFound;
  if (fs.DirectoryExists(dir)) return kErrorSuccess;
  // A drive ("C:") or server share ("\\srv\share") that does not exist cannot be created.
  std::string drive = pathtext::ExtractFileDrive(dir);
  if (dir.size() <= drive.size()) return kErrorPathNotFound;
  std::string parent = ExtractFilePath(dir);
  if (!parent.empty() && parent != dir) {
    uint32_t error = ForceDirectories(fs, parent);
    if (error != kErrorSuccess) return error;
  }
  uint32_t error = fs.CreateDirectory(dir);
  // Another writer may have created it in between; the directory is what counts.
  if (error == kErrorAlreadyExists && fs.DirectoryExists(dir)) return kErrorSuccess;
  return error;
}

}  // namespace kestrix
