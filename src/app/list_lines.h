#pragma once
// The list's lines as the change handler needs them, kept up to date a change at a time:
// a key touches one or two lines, and reading, splitting and scanning a pasted list of
// thousands of lines on every key made typing slower the longer the list.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrix {

// The lines SplitLines would give `text`: a break is CR LF, LF or a lone CR, and a final
// break starts no line.
template <typename Char>
std::size_t CountLines(std::basic_string_view<Char> text) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == Char('\r') && i + 1 < text.size() && text[i + 1] == Char('\n')) ++i;
    if (text[i] == Char('\r') || text[i] == Char('\n')) ++lines;
  }
  const Char last = text.empty() ? Char(0) : text.back();
  return lines + (!text.empty() && last != Char('\r') && last != Char('\n') ? 1 : 0);
}

// Where two versions of a text differ, in whole lines: the old text's lines
// [first, first + old_lines) became the lines of after[begin, end); the text before `begin`
// and from `end` on is the same in both and ends, or starts, at a line break.
struct LineChange {
  std::size_t first = 0, old_lines = 0;
  std::size_t begin = 0, end = 0;
};

template <typename Char>
LineChange ChangedLines(std::basic_string_view<Char> before, std::basic_string_view<Char> after,
                        std::size_t lines_before) {
  const std::size_t shorter = std::min(before.size(), after.size());
  std::size_t head = 0;
  while (head < shorter && before[head] == after[head]) ++head;
  std::size_t tail = 0;
  while (tail < shorter - head &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
    ++tail;
  // The kept head and tail are cut just after a line feed: no break is split or joined there.
  std::size_t begin = head;
  while (begin > 0 && after[begin - 1] != Char('\n')) --begin;
  std::size_t end = after.size() - tail;
  while (end < after.size() && after[end] != Char('\n')) ++end;
  if (end < after.size()) ++end;
  const std::size_t kept_tail = after.size() - end;
  const std::size_t old_end = before.size() - kept_tail;
  LineChange change;
  change.begin = begin;
  change.end = end;
  change.old_lines = CountLines(before.substr(begin, old_end - begin));
  // Only the shorter of the kept head and tail is counted.
  if (begin <= kept_tail) {
    change.first = CountLines(after.substr(0, begin));
  } else {
    change.first = lines_before - change.old_lines - CountLines(after.substr(end));
  }
  return change;
}

class ListLines {
 public:
  struct Facts {
    bool blank = true;
    bool variables = false;
  };
  using FactsOf = std::function<Facts(const std::string& line)>;

  explicit ListLines(FactsOf facts_of) : facts_of_(std::move(facts_of)) {}

  // Lines [first, first + old_lines) become `lines`.
  void Replace(std::size_t first, std::size_t old_lines, std::vector<std::string> lines);
  // The facts again for every line (what makes a variable may have changed).
  void Refresh();

  const std::vector<std::string>& Lines() const { return lines_; }
  std::size_t NonBlank() const { return non_blank_; }
  bool AnyVariables() const { return variables_ > 0; }
  // The only line that is not blank, when there is exactly one.
  const std::string* SingleNonBlank() const;

 private:
  void Count(const Facts& facts, int sign);

  FactsOf facts_of_;
  std::vector<std::string> lines_;
  std::vector<Facts> facts_;
  std::size_t non_blank_ = 0, variables_ = 0;
};

}  // namespace kestrix
