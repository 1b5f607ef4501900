#include "create/creation_plan.h"

#include <unordered_map>

#include "base/path_text.h"
#include "base/text_utils.h"
#include "base/utf8.h"
#include "platform/file_system.h"

namespace kestrix {

namespace {

bool ContainsSeparator(std::string_view text) {
  return text.find_first_of("\\/") != std::string_view::npos;
}

// The key under which the spellings of one path meet: Windows compares names without case
// and drops the trailing dots and blanks of every level.
std::string PathKey(const std::string& path) {
  std::string key;
  key.reserve(path.size());
  for (char c : path) {
    if (c == '\\')
      while (!key.empty() && (key.back() == '.' || key.back() == ' ')) key.pop_back();
    key.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
  }
  while (!key.empty() && (key.back() == '.' || key.back() == ' ')) key.pop_back();
  return key;
}

// What in a name Windows refuses: a character it does not take, or, for a name that is
// nothing but dots and blanks (which Windows drops), its first one; then a ReplaceChars
// key the user refuses. Empty when there is none.
std::string InvalidPartOf(const std::string& name, const std::vector<std::string>& keys) {
  for (char c : name)
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
      return std::string(1, c);
  if (name.find_first_not_of(". ") == std::string::npos) return name.substr(0, 1);
  for (const std::string& key : keys)
    if (ContainsIgnoreCase(name, key)) return key;
  return {};
}

class PathCollector {
 public:
  PathCollector(std::vector<PlannedPath>& paths, const std::vector<std::string>& refused_keys)
      : paths_(paths), refused_keys_(refused_keys) {}

  // Adds a path (once) below `parent` and returns its index.
  std::size_t Add(const std::string& path, const std::string& name, std::size_t parent, bool file) {
    auto [it, added] = index_.try_emplace(PathKey(path), paths_.size());
    if (added) {
      PlannedPath entry;
      entry.path = path;
      entry.name = name;
      entry.parent = parent;
      entry.depth = parent == kNoParent ? 1 : paths_[parent].depth + 1;
      entry.file = file;
      if (!(entry.invalid = InvalidPartOf(name, refused_keys_)).empty())
        entry.own_mark = PathMark::kInvalidChar;
      else if (IsReservedDeviceName(name))
        entry.own_mark = PathMark::kReserved;
      else if (Utf16Length(path) > (file ? kMaxFilePath : kMaxDirectoryPath))
        entry.own_mark = PathMark::kTooLong;
      paths_.push_back(std::move(entry));
    }
    return it->second;
  }

  // The levels of a chain from `base`, as the run walks them; the index of the last level.
  std::size_t AddChain(const std::string& base, std::string_view text) {
    std::string at = base;
    std::size_t parent = kNoParent;
    for (const std::string& part : SplitLevels(text)) {
      if (part.empty()) continue;
      // The run spells each level as this chain types it, whatever case an earlier line
      // gave the same directory.
      parent = Add(at + part, part, parent, false);
      at += part + "\\";
    }
    return parent;
  }

 private:
  std::vector<PlannedPath>& paths_;
  const std::vector<std::string>& refused_keys_;
  std::unordered_map<std::string, std::size_t> index_;
};

// Whether the text has more than one line, without splitting it: the tree preview plans a
// pasted list of thousands of lines on every tick.
bool HasSeveralLines(std::string_view text) {
  const std::size_t stop = FindLineBreak(text, 0);
  return stop < text.size() && AfterLineBreak(text, stop) < text.size();
}

bool IsRefusal(PathMark mark) {
  return mark == PathMark::kInvalidChar || mark == PathMark::kReserved ||
         mark == PathMark::kTooLong;
}

}  // namespace

CreationPlan PlanRunText(std::string_view run_text, bool list_mode, const FileCreationRules& rules,
                         const InvalidCharRules& invalid_chars) {
  CreationPlan plan;
  plan.text = std::string(run_text);
  // A repairing rule has already taken the keys out; what is left of them stays.
  if (invalid_chars.action == InvalidCharAction::kWarn)
    for (const CharReplacement& entry : invalid_chars.replace_chars)
      if (!entry.key.empty()) plan.refused_keys.push_back(entry.key);
  if (list_mode && (HasSeveralLines(run_text) || run_text.find('*') != std::string_view::npos)) {
    plan.kind = PlanKind::kList;
    plan.list = PlanList(run_text);
    return plan;
  }
  if (!list_mode)
    if (std::optional<FileTarget> file = FileTargetOf(plan.text, rules)) {
      plan.kind = PlanKind::kFile;
      plan.file = *file;
      return plan;
    }
  plan.kind = ContainsSeparator(run_text) ? PlanKind::kChain : PlanKind::kSingle;
  return plan;
}

CreationPlan PlanCreation(const PlanInput& input, const TextStep& expand, const TextStep& replace) {
  bool normal = input.normal;
  std::string text;
  if (normal && NeedsListForm(input.name_text)) {
    normal = false;
    text = PrepareListRunText(input.list_text);
  } else {
    text = normal ? input.name_text : PrepareListRunText(input.list_text);
  }
  if (normal) {
    std::string trimmed = Trim(text);
    if (input.replacements) trimmed = expand(trimmed);
    if (IsAbsolutePath(trimmed)) {
      CreationPlan plan;
      plan.kind = PlanKind::kAbsolute;
      plan.text = input.replacements ? replace(trimmed) : trimmed;
      return plan;
    }
  }
  const InputMode mode = normal ? InputMode::kNormal : InputMode::kExtended;
  switch (JudgeInvalidChars(text, mode, input.invalid_chars, false)) {
    case InvalidCharVerdict::kRepair:
      text = RepairInvalidChars(text, mode, input.invalid_chars);
      break;
    case InvalidCharVerdict::kRefuse:
      return {};
    default:
      // A name that holds what the rules warn about is marked where it holds it.
      break;
  }
  if (input.replacements) text = replace(text);
  if (!NamesAnyDirectory(text, !normal)) return {};
  return PlanRunText(text, !normal, input.file_creation, input.invalid_chars);
}

std::vector<PlannedPath> PlannedPaths(const CreationPlan& plan, const std::string& base) {
  std::vector<PlannedPath> paths;
  PathCollector collect(paths, plan.refused_keys);
  switch (plan.kind) {
    case PlanKind::kNothing:
      break;
    case PlanKind::kAbsolute: {
      // The root (drive or share) is the first level's name: it is never made.
      const std::string path = NormalizeSeparators(Trim(plan.text));
      const std::string root = pathtext::ExtractFileDrive(path);
      const std::size_t first = collect.AddChain(root + "\\", path.substr(root.size()));
      std::size_t top = first;
      while (top != kNoParent && paths[top].parent != kNoParent) top = paths[top].parent;
      if (top != kNoParent) paths[top].name = paths[top].path;
      break;
    }
    case PlanKind::kSingle:
      collect.Add(base + plan.text, plan.text, kNoParent, false);
      break;
    case PlanKind::kChain:
      collect.AddChain(base, plan.text);
      break;
    case PlanKind::kFile: {
      const std::size_t parent = collect.AddChain(base, plan.file.directories);
      const std::string directory =
          plan.file.directories.empty() ? base : base + plan.file.directories + "\\";
      collect.Add(directory + plan.file.file, plan.file.file, parent, true);
      break;
    }
    case PlanKind::kList:
      for (const PlannedLine& line : plan.list.lines)
        if (line.chain)
          collect.AddChain(base, line.text);
        else
          collect.Add(base + line.text, line.text, kNoParent, false);
      break;
  }
  return paths;
}

void MarkPaths(std::vector<PlannedPath>& paths, bool base_exists,
               const std::function<std::optional<uint32_t>(const std::string&)>& attributes) {
  for (PlannedPath& entry : paths) {
    // The first level of an absolute path hangs below its drive or share, which exists.
    const bool root = entry.parent == kNoParent && entry.name == entry.path;
    const PathMark above = entry.parent != kNoParent ? paths[entry.parent].mark
                           : base_exists || root     ? PathMark::kExists
                                                     : PathMark::kNew;
    if (above != PathMark::kNew && above != PathMark::kExists && above != PathMark::kUnchecked) {
      entry.mark = PathMark::kBlocked;
    } else if (entry.own_mark != PathMark::kNew) {
      entry.mark = entry.own_mark;
    } else if (above == PathMark::kNew) {
      entry.mark = PathMark::kNew;
    } else if (above == PathMark::kUnchecked) {
      entry.mark = PathMark::kUnchecked;
    } else {
      const std::optional<uint32_t> found = attributes(entry.path);
      entry.mark = !found                                    ? PathMark::kUnchecked
                   : *found == kAttrInvalid                  ? PathMark::kNew
                   : entry.file || (*found & kAttrDirectory) ? PathMark::kExists
                                                             : PathMark::kFileInTheWay;
    }
  }
}

PlanVerdicts::PlanVerdicts(const CreationPlan& plan, const std::string& base)
    : paths_(PlannedPaths(plan, base)) {
  for (std::size_t i = 0; i < paths_.size(); ++i) {
    paths_[i].mark = paths_[i].own_mark;
    index_.emplace(PathKey(paths_[i].path), i);
  }
}

const PlannedPath* PlanVerdicts::Refused(const std::string& path) const {
  const auto found = index_.find(PathKey(path));
  if (found == index_.end() || !IsRefusal(paths_[found->second].mark)) return nullptr;
  return &paths_[found->second];
}

MarkCounts CountMarks(const std::vector<PlannedPath>& paths) {
  MarkCounts counts{};
  for (const PlannedPath& entry : paths) ++counts[static_cast<std::size_t>(entry.mark)];
  return counts;
}

std::string CountLine(const MarkCounts& counts, const LanguageTable& language) {
  // In the order of PathMark.
  static constexpr const LanguageKey* kCountKeys[] = {
      &lng::tree_preview::kCountUnchecked,    &lng::tree_preview::kCountNew,
      &lng::tree_preview::kCountExists,       &lng::tree_preview::kCountInvalid,
      &lng::tree_preview::kCountReserved,     &lng::tree_preview::kCountTooLong,
      &lng::tree_preview::kCountFileInTheWay, &lng::tree_preview::kCountBlocked};
  static_assert(std::size(kCountKeys) == static_cast<std::size_t>(PathMark::kCount));
  std::string line;
  for (std::size_t i = 0; i < counts.size(); ++i) {
    const bool always = i == static_cast<std::size_t>(PathMark::kNew) ||
                        i == static_cast<std::size_t>(PathMark::kExists);
    if (counts[i] == 0 && !always) continue;
    if (!line.empty()) line += ", ";
    line += FormatLanguageText(language.Text(*kCountKeys[i]), std::to_string(counts[i]));
  }
  return line;
}

std::string MarkText(const PlannedPath& path, const LanguageTable& language) {
  switch (path.mark) {
    case PathMark::kNew:
      return language.Text(lng::tree_preview::kNew);
    case PathMark::kExists:
      return language.Text(lng::tree_preview::kExists);
    case PathMark::kInvalidChar: {
      // A control character or a blank has no glyph: its code is shown.
      std::string shown = path.invalid;
      if (shown.size() == 1 && static_cast<unsigned char>(shown[0]) <= 0x20) {
        const std::string code = std::to_string(static_cast<unsigned char>(shown[0]));
        shown.assign(1, '#');
        shown += code;
      }
      return FormatLanguageText(language.Text(lng::tree_preview::kInvalid), shown);
    }
    case PathMark::kReserved:
      return language.Text(lng::tree_preview::kReserved);
    case PathMark::kTooLong:
      return language.Text(lng::tree_preview::kTooLong);
    case PathMark::kFileInTheWay:
      return language.Text(lng::tree_preview::kFileInTheWay);
    case PathMark::kBlocked:
      return language.Text(lng::tree_preview::kBlocked);
    case PathMark::kUnchecked:
    case PathMark::kCount:
      break;
  }
  return language.Text(lng::tree_preview::kUnchecked);
}

std::vector<std::size_t> TreeOrder(const std::vector<PlannedPath>& paths) {
  std::vector<std::vector<std::size_t>> children(paths.size() + 1);
  for (std::size_t i = 0; i < paths.size(); ++i)
    children[paths[i].parent == kNoParent ? paths.size() : paths[i].parent].push_back(i);
  std::vector<std::size_t> order;
  order.reserve(paths.size());
  // Depth first without recursion: a 10,001-level chain must not exhaust the stack.
  std::vector<std::pair<std::size_t, std::size_t>> stack{{paths.size(), 0}};
  while (!stack.empty()) {
    auto& [node, next] = stack.back();
    if (next == children[node].size()) {
      stack.pop_back();
      continue;
    }
    const std::size_t child = children[node][next++];
    order.push_back(child);
    stack.push_back({child, 0});
  }
  return order;
}

}  // namespace kestrix
