#include "create/level_creation.h"

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

std::vector<LevelOutcome> CreateLevels(FileSystem& fs, std::string_view base_path,
                                       const std::vector<std::string>& levels) {
  std::vector<LevelOutcome> outcomes;
  std::string base = pathtext::WithTrailingSeparator(std::string(base_path));
  for (const std::string& part : levels) {
    LevelOutcome outcome;
    outcome.part = part;
    if (part.empty()) {
      outcome.path = WithoutTrailingSeparators(base);
      outcomes.push_back(std::move(outcome));
      continue;
    }
    outcome.path = base + part;
    if (fs.DirectoryExists(outcome.path)) {
      outcome.step = LevelStep::kEntered;
    } else {
      outcome.error = fs.CreateDirectory(outcome.path);
      outcome.step = outcome.error == kErrorSuccess ? LevelStep::kCreated : LevelStep::kFailed;
    }
    if (outcome.step != LevelStep::kFailed) base = outcome.path + "\\";
    outcomes.push_back(std::move(outcome));
  }
  return outcomes;
}

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
