#include "base/text_utils.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/utf8.h"

namespace kestrix {

bool IsTrimmable(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string TrimLeft(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsTrimmable(text[begin])) ++begin;
  return std::string(text.substr(begin));
}

std::string TrimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsTrimmable(text[end - 1])) --end;
  return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
  return TrimLeft(TrimRight(text));
}

bool IsBlank(std::string_view text) {
  for (char c : text) {
    if (!IsTrimmable(c)) return false;
  }
  return true;
}

bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

char AsciiToUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char AsciiToLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string AsciiUpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = AsciiToUpper(c);
  return result;
}

std::string AsciiLowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = AsciiToLower(c);
  return result;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiToLower(x) == AsciiToLower(y); });
}

std::string CopyChars(std::string_view text, std::int64_t start, std::int64_t count) {
  if (start < 1) start = 1;
  if (start > static_cast<std::int64_t>(text.size())) return {};
  std::size_t begin = static_cast<std::size_t>(start - 1);
  if (const std::size_t first = CharStartAtOrBefore(text, begin); first != begin)
    begin = first + DecodeUtf8Char(text, first).length;
  const std::size_t wanted = static_cast<std::size_t>(std::max<std::int64_t>(count, 0));
  const std::size_t end = CharStartAtOrBefore(
      text, static_cast<std::size_t>(start - 1) + std::min(wanted, text.size()));
  return std::string(text.substr(begin, end > begin ? end - begin : 0));
}

std::string Concat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  std::string result;
  result.reserve(size);
  for (std::string_view piece : pieces) result.append(piece);
  return result;
}

std::string ExtractFileName(std::string_view path) {
  std::size_t cut = path.find_last_of("\\:");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string FileNameWithoutExtension(std::string_view path) {
  std::string name = ExtractFileName(path);
  std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

std::size_t FindIgnoreCase(std::string_view text, std::string_view pattern, std::size_t from) {
  if (pattern.empty() || pattern.size() > text.size()) return std::string_view::npos;
  for (std::size_t i = from; i + pattern.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < pattern.size() && AsciiToUpper(text[i + k]) == AsciiToUpper(pattern[k])) ++k;
    if (k == pattern.size()) return i;
  }
  return std::string_view::npos;
}

bool ContainsIgnoreCase(std::string_view text, std::string_view pattern) {
  return FindIgnoreCase(text, pattern) != std::string_view::npos;
}

bool ContainsAnyOf(std::string_view text, std::string_view chars) {
  return text.find_first_of(chars) != std::string_view::npos;
}

namespace {

template <typename Finder>
std::string ReplaceWith(std::string_view text, std::string_view from, std::string_view to,
                        Finder find) {
  if (from.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  for (std::size_t hit = find(text, from, pos); hit != std::string_view::npos;
       hit = find(text, from, pos)) {
    result.append(text.substr(pos, hit - pos));
    result.append(to);
    pos = hit + from.size();
  }
  result.append(text.substr(pos));
  return result;
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  return ReplaceWith(text, from, to, [](std::string_view t, std::string_view p, std::size_t at) {
    return t.find(p, at);
  });
}

std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from,
                                 std::string_view to) {
  return ReplaceWith(text, from, to, [](std::string_view t, std::string_view p, std::size_t at) {
    return FindIgnoreCase(t, p, at);
  });
}

// Where the next "\r" or "\n" at or after `from` is, or the text's size. Eight bytes are
// tested at a time for one below 0x0E, since a host's configuration file is megabytes of
// text and a byte-by-byte search was most of its load.
std::size_t FindLineBreak(std::string_view text, std::size_t from) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  auto is_break = [](char c) { return c == '\r' || c == '\n'; };
  std::size_t i = from;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    if (((word - kOnes * 0x0E) & ~word & kHighs) == 0) continue;  // no byte below 0x0E
    for (std::size_t j = i; j < i + 8; ++j)
      if (is_break(text[j])) return j;
  }
  for (; i < text.size(); ++i)
    if (is_break(text[i])) return i;
  return text.size();
}

std::size_t AfterLineBreak(std::string_view text, std::size_t at) {
  return at + (text.substr(at, 2) == "\r\n" ? 2 : 1);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t stop = FindLineBreak(text, start);
    lines.emplace_back(text.substr(start, stop - start));
    start = AfterLineBreak(text, stop);
  }
  return lines;
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
  std::string result;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) result.append(separator);
    result.append(parts[i]);
  }
  return result;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  return Join(lines, kLineBreak);
}

std::string BreakLongRuns(std::string_view text, int max_width,
                          const std::function<int(std::string_view)>& width) {
  std::string result;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of(" \r\n", start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view run = text.substr(start, end - start);
    while (!run.empty() && width(run) > max_width) {
      std::size_t fits = 0, after_separator = 0;
      for (std::size_t at = 1; at <= run.size(); ++at) {
        if (at < run.size() && (static_cast<unsigned char>(run[at]) & 0xC0) == 0x80) continue;
        if (fits > 0 && width(run.substr(0, at)) > max_width) break;
        fits = at;
        if (run[at - 1] == '\\' || run[at - 1] == '/') after_separator = at;
      }
      const std::size_t cut = after_separator > 0 ? after_separator : fits;
      result.append(run.substr(0, cut)).push_back('\n');
      run.remove_prefix(cut);
    }
    result.append(run);
    if (end < text.size()) result.push_back(text[end]);
    start = end + 1;
  }
  return result;
}

}  // namespace kestrix
