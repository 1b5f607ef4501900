#pragma once
// The item under the host's cursor and the name suggested from it: parsing the file-list
// line (brief or detailed view) and cutting the extension of files.
#include <string>

#include "platform/file_system.h"
#include "platform/window_system.h"

namespace kestrix {

// A file-list line split into the item's name and the size column ("<DIR>" for
// directories; empty when the line does not say).
struct FocusedItem {
  std::string name;
  std::string info;
};

// What the name field gets from the host's focused item.
struct NameSuggestion {
  std::string selected_name;  // without prefix and suffix; empty when nothing is suggested
  std::string field_text;     // prefix + name + suffix, or empty
  bool text_file = false;     // the item is a ".txt" file (offered for loading names)
  std::string text_file_name;
  std::string text_file_path;
};

struct AffixSettings {
  std::string prefix;
  bool prefix_active = false;
  std::string suffix;
  bool suffix_active = false;
};

// "index : item text" of the list's current item (tabs kept as the host wrote them).
std::string ListBoxSelection(WindowSystem& windows, WindowHandle list);

// Splits a ListBoxSelection text. A line ending in "-" or "s" is a detailed-view line (its
// last four columns are size, date, time and attributes); any other is a brief-view line,
// where the host may append "<DIR>" or similar. With `fix_ext`, a brief item with a dot that
// names an existing directory below `current_path` is marked as a directory.
FocusedItem ParseListItem(const std::string& selection, bool fix_ext, FileSystem& fs,
                          const std::string& current_path);

// The suggestion from a parsed list item: files lose their extension, directories and
// names that are all extension (".hidden") are suggested whole, "." and ".." suggest nothing.
NameSuggestion SuggestFromListItem(const FocusedItem& item, const AffixSettings& affixes,
                                   const std::string& current_path);

// The suggestion from the host's "SN" answer. Without `fix_ext` every name loses its
// extension (the host does not say whether it is a directory); with it, only names that
// are not existing directories below `current_path`.
NameSuggestion SuggestFromHostReply(const std::string& reply, bool fix_ext, FileSystem& fs,
                                    const std::string& current_path, const AffixSettings& affixes);

// Upper-cased, trimmed text of at least 2 characters starting with "\\" or a drive letter
// and ":", with no control character nor any of " * / : < > ? from position 4 on.
bool IsAbsoluteHostPath(const std::string& text);

}  // namespace kestrix
