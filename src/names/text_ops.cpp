#include "names/text_ops.h"

namespace kestrix {

std::string Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return std::string(text.substr(begin, end - begin));
}

bool IsBlank(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiLowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = AsciiLower(c);
  return result;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

size_t FindIgnoreCase(std::string_view text, std::string_view needle, size_t from) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  if (needle.size() > text.size()) return std::string_view::npos;
  for (size_t i = from; i + needle.size() <= text.size(); ++i) {
    if (EqualsIgnoreCase(text.substr(i, needle.size()), needle)) return i;
  }
  return std::string_view::npos;
}

bool ContainsIgnoreCase(std::string_view text, std::string_view needle) {
  return FindIgnoreCase(text, needle) != std::string_view::npos;
}

namespace {

template <typename Finder>
std::string ReplaceWith(std::string_view text, std::string_view from, std::string_view to,
                        Finder find) {
  if (from.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  size_t start = 0;
  for (size_t hit = find(text, from, 0); hit != std::string_view::npos;
       hit = find(text, from, start)) {
    result.append(text.substr(start, hit - start));
    result.append(to);
    start = hit + from.size();
  }
  result.append(text.substr(start));
  return result;
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  return ReplaceWith(text, from, to, [](std::string_view t, std::string_view n, size_t f) {
    return t.find(n, f);
  });
}

std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from,
                                 std::string_view to) {
  return ReplaceWith(text, from, to, [](std::string_view t, std::string_view n, size_t f) {
    return FindIgnoreCase(t, n, f);
  });
}

std::string ExtractFileName(std::string_view path) {
  size_t cut = path.find_last_of("\\:");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string FileNameWithoutExtension(std::string_view path) {
  std::string name = ExtractFileName(path);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace kestrix
