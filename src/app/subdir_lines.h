#pragma once
// Ctrl+D: a subdirectory line ("* " + name + number) under the list's reference line, with
// the name part selected so typing replaces the word and keeps the number.
#include <string>
#include <string_view>
#include <vector>

namespace kestrix {

struct SubdirLineResult {
  std::vector<std::string> lines;  // the list with the new line
  std::size_t line_index = 0;      // where the new line went
  // 0-based selection inside the new line: the name and the blank after it.
  std::size_t select_start = 0;
  std::size_t select_length = 0;
};

// Normal form: the counter goes up by one and "* " + subdir + " " + counter is appended
// after the last line of the list.
SubdirLineResult AddSubdirLineNormal(const std::vector<std::string>& lines, std::string_view subdir,
                                     int& counter);

// Extended form: the reference line is the caret's line, or the nearest non-blank line
// above it when that one is blank. A reference line starting with "*" continues its own
// numbering ("* Take 3b" gives "* Take 4", "*Photos" gives "* Photos1"); any other line
// starts over with "* " + subdir + " 1". The new line goes right after the reference line.
SubdirLineResult AddSubdirLineExtended(const std::vector<std::string>& lines,
                                       std::size_t caret_line, std::string_view subdir,
                                       int& counter);

}  // namespace kestrix
