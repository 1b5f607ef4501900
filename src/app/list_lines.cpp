#include "app/list_lines.h"

namespace kestrix {

void ListLines::Count(const Facts& facts, int sign) {
  if (!facts.blank) non_blank_ += static_cast<std::size_t>(sign);
  if (facts.variables) variables_ += static_cast<std::size_t>(sign);
}

void ListLines::Replace(std::size_t first, std::size_t old_lines, std::vector<std::string> lines) {
  first = std::min(first, lines_.size());
  old_lines = std::min(old_lines, lines_.size() - first);
  for (std::size_t i = first; i < first + old_lines; ++i) Count(facts_[i], -1);
  std::vector<Facts> facts;
  facts.reserve(lines.size());
  for (const std::string& line : lines) {
    facts.push_back(facts_of_(line));
    Count(facts.back(), +1);
  }
  const auto at = static_cast<std::ptrdiff_t>(first);
  const auto old_end = static_cast<std::ptrdiff_t>(first + old_lines);
  // A key changes one line for one: the vectors keep their size.
  const std::size_t common = std::min(old_lines, lines.size());
  std::move(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(common),
            lines_.begin() + at);
  std::copy(facts.begin(), facts.begin() + static_cast<std::ptrdiff_t>(common),
            facts_.begin() + at);
  const auto rest = at + static_cast<std::ptrdiff_t>(common);
  if (common < old_lines) {
    lines_.erase(lines_.begin() + rest, lines_.begin() + old_end);
    facts_.erase(facts_.begin() + rest, facts_.begin() + old_end);
  } else {
    lines_.insert(lines_.begin() + rest, std::make_move_iterator(lines.begin() + rest - at),
                  std::make_move_iterator(lines.end()));
    facts_.insert(facts_.begin() + rest, facts.begin() + rest - at, facts.end());
  }
}

void ListLines::Refresh() {
  non_blank_ = variables_ = 0;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    facts_[i] = facts_of_(lines_[i]);
    Count(facts_[i], +1);
  }
}

const std::string* ListLines::SingleNonBlank() const {
  if (non_blank_ != 1) return nullptr;
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (!facts_[i].blank) return &lines_[i];
  return nullptr;
}

}  // namespace kestrix
