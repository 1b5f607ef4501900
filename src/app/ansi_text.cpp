#include "app/ansi_text.h"

namespace kestrix {

namespace {

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Position of `part` in `text` from `start` on, compared without case; npos when absent.
size_t FindIgnoreCaseFrom(std::string_view text, std::string_view part, size_t start) {
  if (part.size() > text.size()) return std::string_view::npos;
  for (size_t i = start; i + part.size() <= text.size(); ++i) {
    size_t k = 0;
    while (k < part.size() && Lower(text[i + k]) == Lower(part[k])) ++k;
    if (k == part.size()) return i;
  }
  return std::string_view::npos;
}

}  // namespace

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
         FindIgnoreCaseFrom(text.substr(0, prefix.size()), prefix, 0) == 0;
}

}  // namespace kestrix
