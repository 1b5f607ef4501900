#include "create/directory_structure.h"

#include "base/text_utils.h"

namespace kestrix {

std::string NormalizeSeparators(std::string_view text) {
  return ReplaceAll(text, "/", "\\");
}

std::vector<std::string> SplitLevels(std::string_view text) {
  const std::string chain = NormalizeSeparators(Trim(text));
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t sep = chain.find('\\'); sep != std::string::npos;
       sep = chain.find('\\', start)) {
    parts.push_back(chain.substr(start, sep - start));
    start = sep + 1;
  }
  parts.push_back(chain.substr(start));
  return parts;
}

bool NeedsListForm(std::string_view name_text) {
  return ContainsAnyOf(name_text, "|*");
}

std::string RemoveBlankLines(std::string_view list_text) {
  std::vector<std::string> kept;
  for (std::string& line : SplitLines(list_text)) {
    if (!IsBlank(line)) kept.push_back(std::move(line));
  }
  return JoinLines(kept);
}

std::string PrepareListRunText(std::string_view list_text) {
  return Trim(ReplaceAll(RemoveBlankLines(list_text), "|", kLineBreak));
}

namespace {

// Every "* " and then every "*" becomes `with`; the blank after a star belongs to it.
std::string ReplaceStars(std::string_view line, std::string_view with) {
  return ReplaceAll(ReplaceAll(line, "* ", with), "*", with);
}

}  // namespace

namespace {

// Appends one planned line; `line` already has "\" separators and its stars expanded.
void AddPlannedLine(ListPlan& plan, const std::string& line) {
  PlannedLine planned;
  planned.chain = line.find('\\') != std::string::npos;
  planned.levels = planned.chain ? SplitLevels(line) : std::vector<std::string>{line};
  planned.text = line;
  plan.lines.push_back(std::move(planned));
}

}  // namespace

std::vector<std::string> StarSeparatedNames(std::string_view line) {
  std::vector<std::string> names;
  std::size_t start = 0;
  for (std::size_t star = line.find('*');; star = line.find('*', start)) {
    std::string name =
        Trim(line.substr(start, star == std::string_view::npos ? line.npos : star - start));
    if (!name.empty()) names.push_back(std::move(name));
    if (star == std::string_view::npos) break;
    start = star + 1;
  }
  return names;
}

ListPlan PlanList(std::string_view run_text) {
  ListPlan plan;
  std::string parent;
  std::string last_line;
  for (const std::string& raw : SplitLines(run_text)) {
    std::string line = NormalizeSeparators(Trim(raw));
    // "|" expansion or replacements can leave empty lines; creating "" would only report
    // the current path as a failed name.
    if (line.empty()) continue;
    if (line.front() != '*') {
      // "x*y" names x and its subdirectory y, as the same text does in the name field;
      // expanding each star to the whole line would create "xxy\y".
      std::vector<std::string> names = StarSeparatedNames(line);
      parent = names.front();
      last_line = parent;
      AddPlannedLine(plan, parent);
      for (std::size_t i = 1; i < names.size(); ++i) {
        last_line = parent + "\\" + names[i];
        AddPlannedLine(plan, last_line);
      }
      continue;
    }
    last_line = ReplaceStars(line, parent + "\\");
    AddPlannedLine(plan, last_line);
  }
  plan.final_name = parent.empty() ? last_line : parent;
  return plan;
}

bool NamesAnyDirectory(std::string_view run_text, bool list) {
  auto any_level = [](const std::vector<std::string>& levels) {
    for (const std::string& level : levels)
      if (!IsBlank(level)) return true;
    return false;
  };
  if (!list) return any_level(SplitLevels(run_text));
  for (const PlannedLine& line : PlanList(run_text).lines)
    if (any_level(line.levels)) return true;
  return false;
}

bool IsReservedDeviceName(std::string_view name) {
  // Windows maps these to devices whatever the extension or trailing blanks.
  std::string base = AsciiUpperCase(Trim(name.substr(0, name.find('.'))));
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
         base[3] >= '1' && base[3] <= '9';
}

}  // namespace kestrix
