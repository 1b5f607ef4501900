#pragma once
// User structures: ready-made lists of directory lines kept in the settings file under
// "UserStructure0" to "UserStructure25", inserted into the Extended list in one step, with
// the placeholders they hold filled in afterwards. Also the structure copied from an
// existing folder. The window shows and edits; what the lines become is decided here.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "settings/big_ini_file.h"
#include "settings/settings.h"

namespace kestrix {

inline constexpr char kPlaceholdersSection[] = "Placeholders";

// `StructureList`: "uStruct" + N for every N whose name is not empty.
std::vector<std::string> DiscoverStructureList(const std::vector<std::string>& names);

// A structure as it is inserted, and the placeholders it asks for.
struct LoadedStructure {
  // The section's lines, trimmed as one text, without its first line (the `Name` line).
  std::string text;
  // The `Placeholders` lines (trimmed as one text) that occur in `text`, compared
  // case-insensitively, in section order.
  std::vector<std::string> placeholders;
};
LoadedStructure ReadStructure(BigIniFile& ini, int n);

// The Extended list after inserting `structure`: the structure itself when `clear_list`,
// else the list, a line break and the structure with the blank lines removed.
std::string InsertStructure(std::string_view list_text, std::string_view structure,
                            bool clear_list);

// The placeholder dialog's state: which placeholder is shown and the replacements given so
// far (at most one row per placeholder text, in the order first given).
class PlaceholderSession {
 public:
  explicit PlaceholderSession(std::vector<std::string> placeholders)
      : placeholders_(std::move(placeholders)) {}

  std::size_t Index() const { return index_; }
  std::size_t Count() const { return placeholders_.size(); }
  const std::string& Shown() const { return placeholders_[index_]; }
  // "(" + position + " / " + count + ")".
  std::string PositionText() const;
  bool NextEnabled() const { return index_ + 1 < placeholders_.size(); }
  bool PreviousEnabled() const { return previous_enabled_; }

  // The replacement field was edited: the shown placeholder, unless blank, takes the text.
  void Typed(const std::string& replacement);
  // Steps forward or back. The replacement recorded for the placeholder now shown, or the
  // field's own text when none was recorded (it is then not recorded for the new one).
  std::string Next(const std::string& field_text);
  std::string Previous(const std::string& field_text);
  // Records the shown placeholder with the field's text (even empty) and returns
  // `structure` with every recorded placeholder replaced, trimmed on both sides and
  // ignoring case.
  std::string Apply(const std::string& field_text, const std::string& structure);

  const std::vector<std::pair<std::string, std::string>>& Rows() const { return rows_; }

 private:
  void Record(const std::string& replacement);
  std::string RecordedOr(const std::string& field_text) const;

  std::vector<std::string> placeholders_;
  std::size_t index_ = 0;
  bool previous_enabled_ = false;
  std::vector<std::pair<std::string, std::string>> rows_;
};

// Every occurrence of the inserted structure in the list becomes the substituted copy,
// ignoring case (a structure inserted twice is filled in both places).
std::string ReplaceInsertedStructure(std::string_view list_text, std::string_view inserted,
                                     std::string_view substituted);

// ---- The structure of an existing folder ----

inline constexpr int kFolderStructureDepth = 8;
inline constexpr std::size_t kFolderStructureLimit = 10000;

struct FolderStructure {
  // More than the limit of directories: nothing is offered.
  bool too_large = false;
  // The folder's name as a top-level line, then "*" + the relative path of every directory
  // below it (a subdirectory line of that top level), at most kFolderStructureDepth levels
  // down, parents before children, each level sorted by name ignoring case (in any
  // script). Files are left out. Renaming the first line renames the copy's whole tree.
  std::vector<std::string> lines;
};
// `folder` is the full path of the folder; `limit` the most directories below it.
FolderStructure CopyFolderStructure(FileSystem& fs, const std::string& folder,
                                    std::size_t limit = kFolderStructureLimit);

}  // namespace kestrix
