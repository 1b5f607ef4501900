#include "settings/language_table.h"

namespace kestrix {

namespace {
bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

std::string LanguageText(const LanguageTable& table, const std::string& section,
                         const std::string& key, const std::string& english) {
  std::string text = table.Lookup(section, key, english);
  size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  size_t last = text.size();
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace kestrix
