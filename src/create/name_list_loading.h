#pragma once
// Loading names from outside the window: text files, files and folders dropped on the
// window, and pasted text. Each function takes the window's texts as plain values and
// returns what the window must show and which mode it switches to; the window does the
// switching and the redrawing.
//
// Selections and positions are 0-based byte offsets of the UTF-8 texts (TextSelection's
// rule); the window translates the controls' UTF-16 positions.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "platform/file_system.h"

namespace kestrix {

// ---- Text files ----

// The file's text as UTF-8: UTF-16 LE or BE by its mark, UTF-8 by its mark or when the
// bytes are valid UTF-8 and not plain ASCII, else the ANSI code page; a malformed sequence
// after a UTF-8 mark becomes U+FFFD. Zero bytes are dropped, since no name can hold one and
// the edit controls would cut the text there.
std::string DecodeNameListBytes(const std::string& bytes, CodePage& code_page);

// Reads a name-list file; the system error code (0 on success) and the decoded text.
uint32_t ReadNameListFile(FileSystem& fs, CodePage& code_page, const std::string& path,
                          std::string& text);

// Where a loaded text goes.
struct LoadedNames {
  // True: Extended mode (`ChangeToExt`), the list takes `list_text`, caret at its end and
  // scrolled to it. False: `MkDir` takes `name_text` and `ChangeToNormal` runs.
  bool extended = false;
  std::string name_text;
  // The lines followed by one line break: the list ends with an empty line for the caret.
  std::string list_text;
};
// A file's text: trimmed as a whole, blank lines removed; two or more lines make a list.
LoadedNames PlaceLoadedText(std::string_view file_text);

struct LoadedFile {
  // The system error code of reading, 0 on success. On failure the window shows a message
  // with it and keeps its texts: an unreadable file must not empty the name field.
  uint32_t error = 0;
  LoadedNames names;
};
// Reads and places a name-list file (`ShowOpenDialogAndLoadFile` after the dialog).
LoadedFile LoadNameListFile(FileSystem& fs, CodePage& code_page, const std::string& path);

// ---- Extended list editing ----

// Appends a line to a list text as a memo's string list does: after a line break that the
// text already ends with, else after a new one; an empty list becomes the line and a break.
std::string AppendListLine(std::string_view list_text, std::string_view line);
// For each line from the last to the first, every earlier line with exactly the same text
// is deleted, so each text keeps its last place. A final line break stays.
std::string RemoveDuplicateLines(std::string_view list_text);

// ---- Dropped files and folders ----

struct DroppedItem {
  std::string path;  // as the shell hands it over, without a trailing "\"
  bool is_directory = false;
};
// The dropped paths with their kind, asked of the file system. Empty names (a malformed
// drop) are left out.
std::vector<DroppedItem> DescribeDroppedPaths(FileSystem& fs,
                                              const std::vector<std::string>& paths);

// The name a dropped item gives: a file's name without its extension, a folder's own
// name. A file whose name is all extension (".profile") keeps its whole name.
std::string DroppedItemName(const DroppedItem& item);

struct DropPlan {
  // A single ".txt" file (extension compared exactly): load it as a text file, without
  // the dialog, and nothing else below applies.
  bool load_text_file = false;
  std::string text_file;
  // The new current path (directory part with its trailing "\") and its label text,
  // shortened to 40 characters; both empty when the current path stays.
  std::string current_path;
  std::string current_path_label;
  // Several names while the list is hidden: the `btn_extended` click runs first.
  bool switch_to_extended = false;
  // The names to insert, in drop order (InsertDroppedNames).
  std::vector<std::string> names;
};
// The decision for the dropped items; `list_visible` says whether `MkDirExt` is shown.
// The window turns Batch mode off before (as for every drop), then follows the plan.
DropPlan PlanDrop(const std::vector<DroppedItem>& items, bool list_visible);

struct DropInsertion {
  // Normal mode with one name: `MkDir` takes `name_text`, selected entirely.
  bool name_replaced = false;
  std::string name_text;
  // The list text after inserting and de-duplicating; the caret goes to its end.
  std::string list_text;
};
// Inserts the planned names. `list_visible` is the state after the plan's mode switch and
// `list_text` the list's text at that moment. Afterwards the window runs the change
// handler of the visible field and refreshes the host data.
DropInsertion InsertDroppedNames(const std::vector<std::string>& names, bool list_visible,
                                 std::string_view list_text);

// ---- Paste into the name field (Ctrl+V in `MkDir`) ----

struct PastePlan {
  // False: the key passes on to the field (nothing special happens).
  bool consumed = false;
  // True: `SavedSelection` is cleared first.
  bool clear_saved_selection = false;
  // True: `ChangeToExt` runs, then the list takes `list_text` (so the pasted list wins
  // over a "|" the name field held), the caret goes to its end and the list's change
  // handler runs. False: `MkDir` takes `name_text` with the selection below, the list
  // mirrors it (`list_text`) and `NameChanged` runs.
  bool extended = false;
  std::string name_text;
  std::size_t selection_start = 0;
  std::size_t selection_length = 0;
  std::string list_text;
};
// `name_text` and the selection are `MkDir`'s. Any carriage return or line feed makes the
// pasted text a list; lone ones count as line breaks too, as the list shows them so.
PastePlan PlanNameFieldPaste(std::string_view clipboard, std::string_view name_text,
                             std::size_t selection_start, std::size_t selection_length);

// ---- The "Load" button ----

// What the "Load" button does without a menu: the open-file dialog in the current path
// when there is neither a focused text file nor a user structure.
bool LoadButtonOpensDialogDirectly(bool focused_text_file, bool structures_exist);

enum class SelectFileCommand {
  kNone,
  kLoadFocusedTextFile,  // `FilenameTXTClick`
  kApplyStructure,       // apply user structure `structure_index`
  kToggleClearList,      // flip `US-ClearList`
  kCopyFolderStructure,  // the focused folder's directory tree as list lines
  kBrowse,               // `BrowsePopupItemClick`
};

struct SelectFileMenuItem {
  bool separator = false;
  SelectFileCommand command = SelectFileCommand::kNone;
  int structure_index = -1;
  std::string caption;
  bool checked = false;
  int image_index = -1;  // index in the window's menu images, -1 for none
};

inline constexpr int kStructureMenuImage = 13;

// `PopupMenu_SelectFile`: the focused text file, "Browse..." and, once extended, the user
// structures with the clear-list toggle.
class SelectFileMenu {
 public:
  bool Extended() const { return extended_; }
  // Adds the structure entries once per run; later calls do nothing. `structure_names`
  // holds the trimmed `Name` of "UserStructure0", "UserStructure1", ... (empty when the
  // section has none). As the structures are discovered, only the numbers below their
  // count are visited, so a numbering gap hides the structures after it.
  void Extend(const std::vector<std::string>& structure_names);
  // The entries shown now, without the separators that would lead, trail or double up.
  // A `folder_caption` (the host's focused item is a folder) adds the entry that copies
  // that folder's structure, before "Browse...".
  std::vector<SelectFileMenuItem> VisibleItems(bool focused_text_file,
                                               const std::string& focused_text_name,
                                               bool clear_list,
                                               const std::string& clear_list_caption,
                                               const std::string& browse_caption,
                                               const std::string& folder_caption = "") const;

 private:
  bool extended_ = false;
  std::vector<SelectFileMenuItem> structures_;
};

// The open-file dialog's filter in the Win32 form: description, zero, pattern, zero, ...,
// and a final zero.
std::string OpenDialogFilter(std::string_view text_files, std::string_view all_files);

}  // namespace kestrix
