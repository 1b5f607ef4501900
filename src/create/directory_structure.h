#pragma once
// How the final name text describes directories. Pure text work: nothing here touches the
// file system (level_creation.h walks the levels, invalid_chars.h judges the characters).
//
// Notation:
//   a\b\c or a/b/c   nested levels below the current path ("/" counts as "\")
//   a|b|c            several names (Normal mode; each part becomes one list line)
//   proj*src*doc     proj with the subdirectories src and doc (Normal mode)
//   *x list line     subdirectory x of the last top-level line above it
//   C:\x or \\s\x    an absolute path, created with all missing levels
//
// A creation run uses it in this order: a Normal text for which NeedsListForm holds is
// first carried into the list (CarryNameIntoList, app/mode_rules.h) and created as a list.
// Normal mode then tests IsAbsolutePath (base/path_text.h; ForceDirectories), judges invalid
// characters (invalid_chars.h) and creates the levels of SplitLevels(text) (a single name is one
// level). Extended mode removes blank lines, judges PrepareListRunText's result,
// and creates each line of PlanList: a chain level by level, a single line directly.
#include <string>
#include <string_view>
#include <vector>

namespace kestrix {

// "/" becomes "\" everywhere.
std::string NormalizeSeparators(std::string_view text);

// The levels of a chain: the text trimmed, "/" turned into "\", split at every "\".
// n separators give n + 1 parts; empty parts (leading, doubled or trailing "\") are kept
// and mean "stay at this level".
std::vector<std::string> SplitLevels(std::string_view text);

// True when a Normal-mode text must be turned into list lines before it is created
// (it holds "|" or "*").
bool NeedsListForm(std::string_view name_text);

// The list without the lines that are blank after trimming.
std::string RemoveBlankLines(std::string_view list_text);

// The run text of an Extended-mode creation: blank lines removed, every "|" left in the
// list turned into a line break, the whole text trimmed.
std::string PrepareListRunText(std::string_view list_text);

// One line of an Extended list, ready for creation. `text` is the trimmed line with "\"
// separators and its "*" markers expanded to the parent; it is what the failure list
// records for a failing single-level line.
struct PlannedLine {
  std::string text;
  bool chain = false;               // created level by level from the current path
  std::vector<std::string> levels;  // SplitLevels(text) for a chain, else just text
};

struct ListPlan {
  std::vector<PlannedLine> lines;
  // The name the host enters after the run: the last top-level line (its "*" removed),
  // or the last processed line when the list has no top-level line.
  std::string final_name;
};

// The names of a top-level list line between its stars, trimmed, empty ones dropped:
// "x * y**" gives x and y.
std::vector<std::string> StarSeparatedNames(std::string_view line);

// Reads an Extended run text line by line. A line not starting with "*" is top-level: its
// first name becomes the parent and each further name after a "*" a subdirectory of it
// ("x*y" gives x and x\y). In a line starting with "*" every "* " and then every "*"
// becomes parent + "\": with parent x, "*y" and "* y" give x\y and "**y" gives x\x\y.
// Before any top-level line the parent is empty, so "*x" gives "\x" (the current path,
// then x). Lines that are blank after trimming are skipped.
ListPlan PlanList(std::string_view run_text);

// Whether a run text names at least one directory: a level of the text (`list` false) or
// of one of PlanList's lines that is not blank. "|||", "***" and "\\" name none.
bool NamesAnyDirectory(std::string_view run_text, bool list);

// A name Windows keeps for a device (CON, PRN, AUX, NUL, COM1..COM9, LPT1..LPT9), with or
// without an extension, in any letter case.
bool IsReservedDeviceName(std::string_view name);

}  // namespace kestrix
