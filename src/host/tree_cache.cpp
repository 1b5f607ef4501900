#include "host/tree_cache.h"

#include "base/path_text.h"
#include "base/utf8.h"
#include "host/host_commands.h"

namespace kestrix {

using namespace pathtext;

std::string TreeInfoEntry(const std::string& directory) {
  std::string drive = ExtractFileDrive(directory);
  std::string rest = directory.substr(drive.size());
  if (!drive.empty() && !rest.empty() && (rest[0] == '\\' || rest[0] == '/')) rest.erase(0, 1);
  return "[" + rest + "]\r\n";
}

std::string TreeInfoPath(FileSystem& fs, Environment& environment, const std::string& setting,
                         const std::string& directory, const std::string& commander_ini) {
  const std::string trimmed = Trim(setting);
  if (trimmed == "False") return "";
  if (!trimmed.empty() && trimmed != "True" && fs.FileExists(trimmed)) return trimmed;

  const std::string drive = AsciiLowerCase(ExtractFileDrive(directory));
  if (drive == AsciiLowerCase(ExtractFileDrive(commander_ini))) {
    const std::string local = environment.Get("LOCALAPPDATA").value_or("");
    const std::string per_drive =
        local + "\\GHISLER\\treeinfo" + ReplaceAll(drive, ":", "") + ".wc";
    if (fs.FileExists(per_drive)) return per_drive;
    const std::string shared = local + "\\GHISLER\\treeinfo.wc";
    if (fs.FileExists(shared)) return shared;
    return "";
  }
  const std::string in_root = drive + "\\treeinfo.wc";
  return fs.FileExists(in_root) ? in_root : "";
}

uint32_t TreeInfoAppend(FileSystem& fs, CodePage& code_page, const std::string& file,
                        const std::string& directory) {
  const std::string target = Trim(file);
  const std::string dir = Trim(directory);
  if (target.empty() || target == "False" || target == "True" || dir.empty()) return 0;
  std::string content;
  const uint32_t read = fs.ReadWholeFile(target, content);
  if (read != kErrorSuccess && read != kErrorFileNotFound) return read;
  const std::string entry = TreeInfoEntry(dir);
  bool lost = false;
  std::optional<std::string> bytes;
  if (content.starts_with("\xFF\xFE"))
    bytes = Utf16LeFromUtf8(entry, &lost);
  else if (content.starts_with("\xEF\xBB\xBF"))
    bytes = entry;
  else
    bytes = AnsiForm(entry, &code_page);
  // A "?" in the host's tree would name a folder that does not exist.
  if (!bytes || lost || !IsValidUtf8(entry)) return kErrorNoUnicodeTranslation;
  return fs.AppendToFile(target, *bytes);
}

}  // namespace kestrix
