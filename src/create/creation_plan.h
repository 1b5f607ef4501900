#pragma once
// The plan of a creation run: which branch its text takes and the paths it will make, in
// the order the run meets them, decided before anything is touched. The run walks this
// plan and the tree preview lists the same one, so the two cannot disagree.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "create/directory_structure.h"
#include "create/file_creation.h"
#include "create/invalid_chars.h"
#include "settings/language_table.h"

namespace kestrix {

enum class PlanKind { kNothing, kAbsolute, kSingle, kChain, kFile, kList };

struct CreationPlan {
  PlanKind kind = PlanKind::kNothing;
  std::string text;  // kAbsolute: the path; kSingle, kChain: the run text
  FileTarget file;   // kFile
  ListPlan list;     // kList
  // The user's ReplaceChars keys a name may not hold (while the rules warn rather than
  // repair).
  std::vector<std::string> refused_keys;
};

// The branch of a prepared run text (after replacements): in list mode a text of several
// lines or with "*" is a list; in Normal mode a name whose last level is a file is a file
// target; a text with "\" or "/" is a chain; anything else is one name.
CreationPlan PlanRunText(std::string_view run_text, bool list_mode, const FileCreationRules& rules,
                         const InvalidCharRules& invalid_chars);

// What the window holds when OK is pressed.
struct PlanInput {
  std::string current_path;  // ends with "\"
  bool normal = true;
  std::string name_text;
  // The list as the run reads it: in Normal mode, for a name with "|" or "*", the list the
  // switch to Extended mode makes of it (CarryNameIntoList).
  std::string list_text;
  bool replacements = false;
  InvalidCharRules invalid_chars;
  FileCreationRules file_creation;
};

using TextStep = std::function<std::string(const std::string&)>;

// The run's preparation of the window's texts as a plan: a Normal text with "|" or "*"
// goes into the list, blank lines go, an absolute path is one target, a repairing rule
// repairs (a rule of neither kind plans nothing), then the replacements run (`expand` is
// the environment's, `replace` the name engine's, which may throw as it does for the run).
CreationPlan PlanCreation(const PlanInput& input, const TextStep& expand, const TextStep& replace);

// What will happen to a planned path.
enum class PathMark {
  kUnchecked,     // its existence is not known yet
  kNew,           // made by the run
  kExists,        // already there: entered or left alone
  kInvalidChar,   // its name holds a character Windows refuses
  kReserved,      // a device name (CON, NUL, COM1...)
  kTooLong,       // the whole path is longer than Windows takes
  kFileInTheWay,  // a file has the name a directory needs
  kBlocked,       // below a level that cannot be made
  kCount
};

inline constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

struct PlannedPath {
  std::string path;  // the full path, without a trailing "\"
  std::string name;  // its last level (the whole path for the first level of an absolute one)
  int depth = 1;     // 1 directly below the current path
  std::size_t parent = kNoParent;  // its planned parent; kNoParent for the current path
  bool file = false;
  // What the path earns by itself, whatever exists: kInvalidChar, kReserved or kTooLong,
  // else kNew. The run refuses such a path before it makes anything at or below it.
  PathMark own_mark = PathMark::kNew;
  PathMark mark = PathMark::kUnchecked;
  std::string invalid;  // the character (or ReplaceChars key) of kInvalidChar
};

// Every path of `plan` below `base` (the current path, with its "\") once, in the order the
// run walks them, with its own mark; an empty level stays where it is, as in the run. Two
// spellings Windows takes for one path (another letter case, trailing dots or blanks)
// are one path.
std::vector<PlannedPath> PlannedPaths(const CreationPlan& plan, const std::string& base);

// The longest directory path CreateDirectoryW takes (MAX_PATH less room for an 8.3 name)
// and the longest file path, in UTF-16 units as Windows counts them. The plan holds to
// them even where the file system takes more (Wine does), so that what it promises holds
// on Windows too.
inline constexpr std::size_t kMaxDirectoryPath = 247;
inline constexpr std::size_t kMaxFilePath = 259;

// Marks each path in order. A level below a new one is new without asking; `attributes`
// is asked only below an existing level (or the current path when `base_exists`); it
// answers kAttrInvalid for a missing path and nullopt while it cannot tell yet, which
// leaves the path kUnchecked.
void MarkPaths(std::vector<PlannedPath>& paths, bool base_exists,
               const std::function<std::optional<uint32_t>(const std::string&)>& attributes);

// The plan's paths as a run meets them, found by path: what the plan refuses without
// asking the file system.
class PlanVerdicts {
 public:
  PlanVerdicts() = default;
  PlanVerdicts(const CreationPlan& plan, const std::string& base);
  // The planned path, marked with its own mark, when that refuses it; nullptr otherwise.
  const PlannedPath* Refused(const std::string& path) const;

 private:
  std::vector<PlannedPath> paths_;
  std::map<std::string, std::size_t> index_;
};

using MarkCounts = std::array<int, static_cast<std::size_t>(PathMark::kCount)>;
MarkCounts CountMarks(const std::vector<PlannedPath>& paths);
// "14 new, 2 exist, 1 invalid": new and existing always, the others when there are any.
std::string CountLine(const MarkCounts& counts, const LanguageTable& language);
// The mark of one path in words ("new", "invalid character ?").
std::string MarkText(const PlannedPath& path, const LanguageTable& language);

// The indices of `paths` as a tree: each path after its parent, siblings in run order.
std::vector<std::size_t> TreeOrder(const std::vector<PlannedPath>& paths);

}  // namespace kestrix
