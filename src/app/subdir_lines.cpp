#include "app/subdir_lines.h"

#include <algorithm>

#include "base/text_utils.h"

namespace kestrix {

namespace {

// The number of "* " in front of the name.
constexpr std::size_t kMarkLength = 2;

SubdirLineResult Insert(std::vector<std::string> lines, std::size_t at, const std::string& name,
                        const std::string& number) {
  SubdirLineResult result;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Concat({"* ", name, number}));
  result.lines = std::move(lines);
  result.line_index = at;
  result.select_start = kMarkLength;
  result.select_length = name.size();
  return result;
}

// Digit runs beyond any sensible count saturate instead of overflowing.
int ReadNumber(std::string_view digits) {
  long long value = 0;
  for (char c : digits) {
    if (!IsAsciiDigit(c)) break;
    value = std::min(value * 10 + (c - '0'), 1000000000LL);
  }
  return static_cast<int>(value);
}

}  // namespace

SubdirLineResult AddSubdirLineNormal(const std::vector<std::string>& lines, std::string_view subdir,
                                     int& counter) {
  ++counter;
  return Insert(lines, lines.size(), Concat({Trim(subdir), " "}), std::to_string(counter));
}

SubdirLineResult AddSubdirLineExtended(const std::vector<std::string>& lines,
                                       std::size_t caret_line, std::string_view subdir,
                                       int& counter) {
  if (lines.empty()) {
    counter = 1;
    return Insert(lines, 0, Concat({Trim(subdir), " "}), "1");
  }
  std::size_t reference = std::min(caret_line, lines.size() - 1);
  while (reference > 0 && IsBlank(lines[reference])) --reference;
  const std::string& line = lines[reference];
  if (!line.empty() && line[0] == '*') {
    const std::size_t first_digit = std::min(line.find_first_of("0123456789"), line.size());
    const int number = ReadNumber(line.substr(first_digit));  // 0 without a digit
    std::string name = TrimLeft(line.substr(1, first_digit - 1));
    if (IsBlank(name)) name = Trim(subdir);
    counter = number + 1;
    return Insert(lines, reference + 1, name, std::to_string(counter));
  }
  counter = 1;
  return Insert(lines, reference + 1, Concat({Trim(subdir), " "}), "1");
}

}  // namespace kestrix
