#include "create/file_creation.h"

#include "base/text_utils.h"

namespace kestrix {

std::string LevelExtension(const std::string& level) {
  const size_t dot = level.rfind('.');
  if (dot == std::string::npos || dot == 0) return {};
  return level.substr(dot + 1);
}

std::optional<FileTarget> FileTargetOf(const std::string& text, const FileCreationRules& rules) {
  if (!rules.enable) return std::nullopt;
  const std::string name = Trim(text);
  if (name.empty() || name.find_first_of("|*\r\n") != std::string::npos) return std::nullopt;
  const size_t cut = name.find_last_of("\\/");
  FileTarget target;
  if (cut != std::string::npos) {
    target.directories = name.substr(0, cut);
    target.file = name.substr(cut + 1);
  } else {
    target.file = name;
  }
  const std::string extension = Trim(LevelExtension(target.file));
  if (extension.empty()) return std::nullopt;
  const std::string lower = AsciiLowerCase(extension);
  for (const std::string& enabled : rules.extensions)
    if (AsciiLowerCase(Trim(enabled)) == lower) return target;
  if (rules.extension_detection && rules.known_extension && rules.known_extension(extension))
    return target;
  return std::nullopt;
}

}  // namespace kestrix
