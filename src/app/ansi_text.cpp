#include "app/ansi_text.h"

namespace kestrix {

namespace {

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// Position of `part` in `text` from `start` on, compared without case; npos when absent.
size_t FindIgnoreCase(std::string_view text, std::string_view part, size_t start) {
  if (part.size() > text.size()) return std::string_view::npos;
  for (size_t i = start; i + part.size() <= text.size(); ++i) {
    size_t k = 0;
    while (k < part.size() && Lower(text[i + k]) == Lower(part[k])) ++k;
    if (k == part.size()) return i;
  }
  return std::string_view::npos;
}

}  // namespace

std::string Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = Upper(c);
  return result;
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = Lower(c);
  return result;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         FindIgnoreCase(text.substr(0, prefix.size()), prefix, 0) == 0;
}

bool ContainsIgnoreCase(std::string_view text, std::string_view part) {
  return FindIgnoreCase(text, part, 0) != std::string_view::npos;
}

std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from,
                                 std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string result;
  size_t pos = 0;
  for (;;) {
    size_t hit = FindIgnoreCase(text, from, pos);
    if (hit == std::string_view::npos) break;
    result.append(text.substr(pos, hit - pos));
    result.append(to);
    pos = hit + from.size();
  }
  result.append(text.substr(pos));
  return result;
}

}  // namespace kestrix
