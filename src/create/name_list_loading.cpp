#include "create/name_list_loading.h"

#include <algorithm>
#include <unordered_set>

#include "base/path_text.h"
#include "base/text_utils.h"
#include "base/utf8.h"
#include "create/directory_structure.h"
#include "host/host_snapshot.h"

namespace kestrix {

namespace {

std::string WithoutZeroBytes(std::string text) {
  std::erase(text, '\0');
  return text;
}

bool EndsWithLineBreak(std::string_view text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

// Every lone CR or LF becomes CR LF, the break the edit controls show.
std::string NormalizeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t start = 0;;) {
    const std::size_t stop = FindLineBreak(text, start);
    out.append(text.substr(start, stop - start));
    if (stop == text.size()) break;
    out += kLineBreak;
    start = AfterLineBreak(text, stop);
  }
  return out;
}

std::string StripTrailingSeparators(std::string path) {
  // A drive root keeps its separator: "C:\" is a folder without a name of its own.
  while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

}  // namespace

std::string DecodeNameListBytes(const std::string& bytes, CodePage& code_page) {
  // A malformed sequence after a UTF-8 mark shows as U+FFFD, and the rest of its line stays.
  return Utf8FromUtf16(Utf16FromUtf8(WithoutZeroBytes(code_page.Utf8FromOwnFile(bytes))));
}

uint32_t ReadNameListFile(FileSystem& fs, CodePage& code_page, const std::string& path,
                          std::string& text) {
  std::string bytes;
  uint32_t code = fs.ReadWholeFile(path, bytes);
  text = code == kErrorSuccess ? DecodeNameListBytes(bytes, code_page) : std::string();
  return code;
}

LoadedNames PlaceLoadedText(std::string_view file_text) {
  std::vector<std::string> lines = SplitLines(RemoveBlankLines(Trim(file_text)));
  LoadedNames placed;
  if (lines.size() >= 2) {
    placed.extended = true;
    placed.list_text = JoinLines(lines) + std::string(kLineBreak);
  } else if (!lines.empty()) {
    placed.name_text = lines.front();
  }
  return placed;
}

LoadedFile LoadNameListFile(FileSystem& fs, CodePage& code_page, const std::string& path) {
  LoadedFile loaded;
  std::string text;
  loaded.error = ReadNameListFile(fs, code_page, path, text);
  if (loaded.error == kErrorSuccess) loaded.names = PlaceLoadedText(text);
  return loaded;
}

std::string AppendListLine(std::string_view list_text, std::string_view line) {
  std::string text(list_text);
  if (text.empty() || EndsWithLineBreak(text)) {
    text += line;
    text += kLineBreak;
  } else {
    text += kLineBreak;
    text += line;
  }
  return text;
}

std::string RemoveDuplicateLines(std::string_view list_text) {
  std::vector<std::string> lines = SplitLines(list_text);
  std::vector<std::string> kept_reversed;
  std::unordered_set<std::string> seen;
  for (auto it = lines.rbegin(); it != lines.rend(); ++it)
    if (seen.insert(*it).second) kept_reversed.push_back(*it);
  std::vector<std::string> kept(kept_reversed.rbegin(), kept_reversed.rend());
  std::string text = JoinLines(kept);
  if (!kept.empty() && EndsWithLineBreak(list_text)) text += kLineBreak;
  return text;
}

std::vector<DroppedItem> DescribeDroppedPaths(FileSystem& fs,
                                              const std::vector<std::string>& paths) {
  std::vector<DroppedItem> items;
  items.reserve(paths.size());
  for (const std::string& path : paths)
    if (!path.empty()) items.push_back({path, fs.DirectoryExists(path)});
  return items;
}

std::string DroppedItemName(const DroppedItem& item) {
  std::string path = StripTrailingSeparators(item.path);
  std::string name = pathtext::ExtractFileName(path);
  if (item.is_directory) return name;
  std::string base = pathtext::FileNameWithoutExt(path);
  return base.empty() ? name : base;
}

DropPlan PlanDrop(const std::vector<DroppedItem>& items, bool list_visible) {
  DropPlan plan;
  if (items.empty()) return plan;
  if (items.size() == 1 && !items[0].is_directory &&
      pathtext::ExtractFileExt(items[0].path) == ".txt") {
    plan.load_text_file = true;
    plan.text_file = items[0].path;
    return plan;
  }
  plan.current_path = pathtext::ExtractFilePath(StripTrailingSeparators(items.back().path));
  plan.current_path_label = ShortenPath(plan.current_path);
  plan.switch_to_extended = items.size() > 1 && !list_visible;
  for (const DroppedItem& item : items) {
    std::string name = DroppedItemName(item);
    if (!name.empty()) plan.names.push_back(name);
  }
  return plan;
}

DropInsertion InsertDroppedNames(const std::vector<std::string>& names, bool list_visible,
                                 std::string_view list_text) {
  DropInsertion result;
  std::string list(list_text);
  if (!list_visible && names.size() == 1) {
    result.name_replaced = true;
    result.name_text = names.front();
    // The hidden list mirrors the name field in its first line.
    std::vector<std::string> lines = SplitLines(list);
    if (lines.empty())
      lines.push_back(names.front());
    else
      lines.front() = names.front();
    bool final_break = EndsWithLineBreak(list);
    list = JoinLines(lines);
    if (final_break) list += kLineBreak;
  } else {
    for (const std::string& name : names) list = AppendListLine(list, name);
  }
  result.list_text = RemoveDuplicateLines(list);
  return result;
}

PastePlan PlanNameFieldPaste(std::string_view clipboard, std::string_view name_text,
                             std::size_t selection_start, std::size_t selection_length) {
  PastePlan plan;
  bool has_break = clipboard.find_first_of("\r\n") != std::string_view::npos;
  if (!has_break && clipboard.empty()) return plan;
  plan.consumed = true;
  std::size_t start = CharStartAtOrBefore(name_text, std::min(selection_start, name_text.size()));
  std::size_t length =
      CharStartAtOrBefore(name_text, start + std::min(selection_length, name_text.size() - start)) -
      start;
  std::string before(name_text.substr(0, start));
  std::string after(name_text.substr(start + length));
  std::string pasted = Trim(has_break ? NormalizeLineBreaks(clipboard) : std::string(clipboard));
  if (has_break) {
    plan.clear_saved_selection = true;
    if (SplitLines(pasted).size() >= 2) {
      plan.extended = true;
      plan.list_text = pasted + std::string(kLineBreak);
      return plan;
    }
  }
  plan.name_text = before + pasted + after;
  plan.list_text = plan.name_text;
  if (has_break) {
    plan.selection_start = 0;
    plan.selection_length = plan.name_text.size();
  } else {
    plan.selection_start = start + pasted.size();
    plan.selection_length = 0;
  }
  return plan;
}

bool LoadButtonOpensDialogDirectly(bool focused_text_file, bool structures_exist) {
  return !focused_text_file && !structures_exist;
}

void SelectFileMenu::Extend(const std::vector<std::string>& structure_names) {
  if (extended_) return;
  std::size_t count = 0;
  for (const std::string& name : structure_names)
    if (!IsBlank(name)) ++count;
  if (count == 0) return;
  for (std::size_t n = 0; n < count && n < structure_names.size(); ++n) {
    std::string name = Trim(structure_names[n]);
    if (name.empty()) continue;
    SelectFileMenuItem item;
    item.command = SelectFileCommand::kApplyStructure;
    item.structure_index = static_cast<int>(n);
    item.caption = std::to_string(n) + " - " + name;
    item.image_index = kStructureMenuImage;
    structures_.push_back(item);
  }
  extended_ = true;
}

std::vector<SelectFileMenuItem> SelectFileMenu::VisibleItems(
    bool focused_text_file, const std::string& focused_text_name, bool clear_list,
    const std::string& clear_list_caption, const std::string& browse_caption,
    const std::string& folder_caption) const {
  SelectFileMenuItem separator;
  separator.separator = true;

  std::vector<SelectFileMenuItem> all;
  if (focused_text_file) {
    SelectFileMenuItem text_file;
    text_file.command = SelectFileCommand::kLoadFocusedTextFile;
    text_file.caption = focused_text_name;
    all.push_back(text_file);
  }
  if (extended_) all.push_back(separator);
  if (focused_text_file) all.push_back(separator);
  if (extended_) {
    all.insert(all.end(), structures_.begin(), structures_.end());
    SelectFileMenuItem toggle;
    toggle.command = SelectFileCommand::kToggleClearList;
    toggle.caption = clear_list_caption;
    toggle.checked = clear_list;
    all.push_back(toggle);
    all.push_back(separator);
  }
  if (!folder_caption.empty()) {
    all.push_back(separator);
    SelectFileMenuItem folder;
    folder.command = SelectFileCommand::kCopyFolderStructure;
    folder.caption = folder_caption;
    folder.image_index = kStructureMenuImage;
    all.push_back(folder);
    all.push_back(separator);
  }
  SelectFileMenuItem browse;
  browse.command = SelectFileCommand::kBrowse;
  browse.caption = browse_caption;
  all.push_back(browse);

  // A menu shows no separator at its start or end and never two in a row.
  std::vector<SelectFileMenuItem> shown;
  for (const SelectFileMenuItem& item : all) {
    if (item.separator && (shown.empty() || shown.back().separator)) continue;
    shown.push_back(item);
  }
  while (!shown.empty() && shown.back().separator) shown.pop_back();
  return shown;
}

std::string OpenDialogFilter(std::string_view text_files, std::string_view all_files) {
  std::string filter;
  for (std::string_view part :
       {text_files, std::string_view("*.txt"), all_files, std::string_view("*.*")}) {
    filter += part;
    filter.push_back('\0');
  }
  filter.push_back('\0');
  return filter;
}

}  // namespace kestrix
