#include "create/user_structures.h"

#include <algorithm>

#include "base/text_utils.h"
#include "base/unicode_case.h"
#include "create/directory_structure.h"

namespace kestrix {

std::vector<std::string> DiscoverStructureList(const std::vector<std::string>& names) {
  std::vector<std::string> list;
  for (std::size_t n = 0; n < names.size(); ++n)
    if (!Trim(names[n]).empty()) list.push_back("uStruct" + std::to_string(n));
  return list;
}

namespace {

// The section's lines verbatim, as one text.
std::string SectionText(BigIniFile& ini, const std::string& section) {
  std::vector<std::string> lines;
  ini.ReadSectionValues(section, lines);
  return JoinLines(lines);
}

}  // namespace

LoadedStructure ReadStructure(BigIniFile& ini, int n) {
  LoadedStructure loaded;
  std::vector<std::string> lines = SplitLines(Trim(SectionText(ini, UserStructureSection(n))));
  // The first line is taken for the `Name` line, whatever it holds.
  if (!lines.empty()) lines.erase(lines.begin());
  loaded.text = JoinLines(lines);
  for (const std::string& token : SplitLines(Trim(SectionText(ini, kPlaceholdersSection))))
    if (!token.empty() && ContainsIgnoreCase(loaded.text, token))
      loaded.placeholders.push_back(token);
  return loaded;
}

std::string InsertStructure(std::string_view list_text, std::string_view structure,
                            bool clear_list) {
  if (clear_list) return std::string(structure);
  return RemoveBlankLines(Concat({list_text, kLineBreak, structure}));
}

std::string PlaceholderSession::PositionText() const {
  return Concat(
      {"(", std::to_string(index_ + 1), " / ", std::to_string(placeholders_.size()), ")"});
}

void PlaceholderSession::Record(const std::string& replacement) {
  const std::string& token = Shown();
  for (auto& row : rows_) {
    if (row.first == token) {
      row.second = replacement;
      return;
    }
  }
  rows_.emplace_back(token, replacement);
}

std::string PlaceholderSession::RecordedOr(const std::string& field_text) const {
  for (const auto& row : rows_)
    if (row.first == Shown()) return row.second;
  return field_text;
}

void PlaceholderSession::Typed(const std::string& replacement) {
  if (!placeholders_.empty() && !Trim(Shown()).empty()) Record(replacement);
}

std::string PlaceholderSession::Next(const std::string& field_text) {
  previous_enabled_ = true;
  if (index_ + 1 < placeholders_.size()) ++index_;
  return RecordedOr(field_text);
}

std::string PlaceholderSession::Previous(const std::string& field_text) {
  if (index_ > 0) {
    if (index_ == 1) previous_enabled_ = false;
    --index_;
  }
  return RecordedOr(field_text);
}

std::string PlaceholderSession::Apply(const std::string& field_text, const std::string& structure) {
  if (!placeholders_.empty()) Record(field_text);
  std::string text = structure;
  for (const auto& [token, replacement] : rows_)
    text = ReplaceAllIgnoreCase(text, Trim(token), Trim(replacement));
  return text;
}

std::string ReplaceInsertedStructure(std::string_view list_text, std::string_view inserted,
                                     std::string_view substituted) {
  return ReplaceAllIgnoreCase(list_text, inserted, substituted);
}

namespace {

// Appends "*" + the relative path (`relative`, "" at the folder itself) of every directory
// below `path`, depth-first; false once more than the limit were found.
bool CollectDirectories(FileSystem& fs, const std::string& path, const std::string& relative,
                        int depth, std::size_t limit, std::vector<std::string>& lines) {
  if (depth > kFolderStructureDepth) return true;
  std::vector<std::string> names;
  for (const DirEntry& entry : fs.ListDirectory(path, "*"))
    if (entry.IsDirectory()) names.push_back(entry.name);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = SimpleLowerCase(a), lb = SimpleLowerCase(b);
    return la != lb ? la < lb : a < b;
  });
  for (const std::string& name : names) {
    const std::string below = relative.empty() ? name : Concat({relative, "\\", name});
    lines.push_back("*" + below);
    // The folder's own line is not counted.
    if (lines.size() > limit + 1) return false;
    if (!CollectDirectories(fs, Concat({path, "\\", name}), below, depth + 1, limit, lines))
      return false;
  }
  return true;
}

}  // namespace

FolderStructure CopyFolderStructure(FileSystem& fs, const std::string& folder, std::size_t limit) {
  FolderStructure result;
  std::string root = folder;
  while (!root.empty() && root.back() == '\\') root.pop_back();
  result.lines.push_back(ExtractFileName(root));
  if (!CollectDirectories(fs, root, "", 1, limit, result.lines)) {
    result.too_large = true;
    result.lines.clear();
  }
  return result;
}

}  // namespace kestrix
