#include "host/focused_item.h"

#include "base/path_text.h"
#include "base/text_utils.h"

namespace kestrix {

using namespace pathtext;

namespace {

// 1-based positions; 0 when absent.
long PosFirst(const std::string& text, char c) {
  size_t p = text.find(c);
  return p == std::string::npos ? 0 : static_cast<long>(p) + 1;
}
long PosLast(const std::string& text, char c) {
  size_t p = text.rfind(c);
  return p == std::string::npos ? 0 : static_cast<long>(p) + 1;
}

std::string WithoutDots(const std::string& name) {
  return name == "." || name == ".." ? "" : name;
}

std::string Affix(const std::string& text, bool active) {
  return active && !Trim(text).empty() ? text : "";
}

// The final choice between the shortened base and the whole name, shared by both methods.
NameSuggestion Suggest(const std::string& name, const std::string& base,
                       const AffixSettings& affixes, const std::string& current_path) {
  NameSuggestion s;
  const std::string prefix = Affix(affixes.prefix, affixes.prefix_active);
  const std::string suffix = Affix(affixes.suffix, affixes.suffix_active);
  if (!Trim(base).empty()) {
    s.selected_name = base;
  } else if (!Trim(name).empty() && name != "." && name != "..") {
    s.selected_name = name;
  }
  if (!s.selected_name.empty()) s.field_text = prefix + s.selected_name + suffix;
  if (ExtractFileExt(name) == ".txt") {
    s.text_file = true;
    s.text_file_name = name;
    s.text_file_path = current_path + name;
  }
  return s;
}

}  // namespace

std::string ListBoxSelection(WindowSystem& windows, WindowHandle list) {
  int index = windows.ListBoxCurrent(list);
  return std::to_string(index) + " : " + windows.ListBoxItem(list, index).value_or("");
}

FocusedItem ParseListItem(const std::string& selection, bool fix_ext, FileSystem& fs,
                          const std::string& current_path) {
  std::string item = ReplaceAll(selection, "\t", " ");
  FocusedItem result;
  if (!item.empty() && (item.back() == '-' || item.back() == 's')) {
    // q: the fourth space from the end, before the size column; c: just after the index's
    // ":". The info offsets assume the host's usual one-digit "N : " index prefix.
    long q = 0;
    int spaces = 0;
    for (long i = static_cast<long>(item.size()); i >= 1; --i) {
      if (item[static_cast<size_t>(i - 1)] == ' ' && ++spaces == 4) {
        q = i;
        break;
      }
    }
    const long first_colon = PosFirst(item, ':');
    const long c = first_colon + 1;
    result.name = Trim(CopyChars(item, c, q - c));
    const long s = q - c + 5;
    result.info = Trim(CopyChars(item, s, (PosLast(item, ':') - 14) - s));
    if (result.name.empty() && first_colon != 0) result.name = Trim(item.substr(first_colon));
  } else {
    const long first_colon = PosFirst(item, ':');
    item = Trim(item.substr(static_cast<size_t>(first_colon)));
    long mark = PosFirst(item, '<');
    if (mark == 0) mark = PosFirst(item, '>');
    if (mark != 0) item = Trim(CopyChars(item, 1, mark - 2));
    if (fix_ext && Contains(item, ".") && fs.DirectoryExists(current_path + item))
      result.info = "0 <DIR>";
    result.name = Trim(item);
  }
  result.name = WithoutDots(result.name);
  return result;
}

NameSuggestion SuggestFromListItem(const FocusedItem& item, const AffixSettings& affixes,
                                   const std::string& current_path) {
  std::string base;
  if (!FileNameWithoutExt(item.name).empty() && !Contains(item.info, "<DIR>")) {
    size_t dot = item.name.rfind('.');
    base = dot == std::string::npos ? "" : item.name.substr(0, dot);
  }
  return Suggest(item.name, base, affixes, current_path);
}

NameSuggestion SuggestFromHostReply(const std::string& reply, bool fix_ext, FileSystem& fs,
                                    const std::string& current_path, const AffixSettings& affixes) {
  const std::string name = WithoutDots(reply);
  std::string base;
  if (!fix_ext || (Contains(name, ".") && !fs.DirectoryExists(current_path + name)))
    base = FileNameWithoutExt(name);
  return Suggest(name, base, affixes, current_path);
}

bool IsAbsoluteHostPath(const std::string& text) {
  const std::string t = AsciiUpperCase(Trim(text));
  if (t.size() < 2) return false;
  if (!(t.compare(0, 2, "\\\\") == 0 || (t[0] >= 'A' && t[0] <= 'Z' && t[1] == ':'))) return false;
  for (size_t i = 3; i < t.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(t[i]);
    if (c < 32 || Contains("\"*/:<>?", std::string(1, static_cast<char>(c)))) return false;
  }
  return true;
}

}  // namespace kestrix
