#include "create/level_creation.h"

#include <string>
#include <vector>

#include "base/path_text.h"
#include "create/directory_structure.h"

namespace kestrix {

namespace {

std::string WithoutTrailingSeparators(std::string_view path) {
  std::string result(path);
  while (!result.empty() && (result.back() == '\\' || result.back() == '/')) result.pop_back();
  return result;
}

}  // namespace

uint32_t ForceDirectories(FileSystem& fs, std::string_view path) {
  const std::string target = WithoutTrailingSeparators(NormalizeSeparators(path));
  if (target.empty()) return kErrorInvalidName;
  if (fs.DirectoryExists(target)) return kErrorSuccess;

  // Climb to the deepest existing ancestor, remembering the levels to create below it.
  // The drive or "\\server\share" cannot be created.
  const std::size_t root = pathtext::ExtractFileDrive(target).size();
  std::vector<std::string> missing{target};
  std::string current = target;
  for (;;) {
    const std::size_t sep = current.rfind('\\');
    if (sep == std::string::npos) break;
    current = WithoutTrailingSeparators(current.substr(0, sep));
    if (current.size() <= root) break;
    if (fs.DirectoryExists(current)) break;
    missing.push_back(current);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    const uint32_t error = fs.CreateDirectory(*it);
    if (error != kErrorSuccess && !(error == kErrorAlreadyExists && fs.DirectoryExists(*it))) {
      return error;
    }
  }
  return kErrorSuccess;
}

}  // namespace kestrix
