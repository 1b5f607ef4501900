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

ListPlan PlanList(std::string_view run_text) {
  ListPlan plan;
  std::string parent;
  std::string last_line;
  for (const std::string& raw : SplitLines(run_text)) {
    std::string line = NormalizeSeparators(Trim(raw));
    // "|" expansion or replacements can leave empty lines; creating "" would only report
    // the current path as a failed name.
    if (line.empty()) continue;
    if (line.front() != '*') parent = ReplaceStars(line, "");
    line = ReplaceStars(line, parent + "\\");

    PlannedLine planned;
    planned.chain = line.find('\\') != std::string::npos;
    planned.levels = planned.chain ? SplitLevels(line) : std::vector<std::string>{line};
    planned.text = line;
    last_line = line;
    plan.lines.push_back(std::move(planned));
  }
  plan.final_name = parent.empty() ? last_line : parent;
  return plan;
}

}  // namespace kestrix
