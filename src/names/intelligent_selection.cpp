#include "names/intelligent_selection.h"

#include <algorithm>

#include "base/path_text.h"
#include "base/text_utils.h"
#include "base/utf8.h"

namespace kestrix {

namespace {

bool IsPathSeparator(char c) {
  return c == '\\' || c == '/';
}

// A separator for the caret re-synchronisation; `index` is 0-based. "|" does not count.
bool IsCaretSeparator(std::string_view text, std::size_t index, SelectionField field) {
  const char c = text[index];
  if (field == SelectionField::kPath) return IsPathSeparator(c);
  if (c == ' ' || c == '.' || c == '_' || IsPathSeparator(c)) return true;
  return c == '-' && (index == 0 || text[index - 1] != ' ');
}

// A half-open 0-based range of the text.
struct Span {
  long long begin;
  long long end;
};

// Word k of the text: word 0 runs from the start to just before stop 0, the word after
// the last stop to the end, any other word between two stops. A 1-based stop at position
// p is the 0-based index p - 1, so the word after it starts at index p. A word ending
// before it starts (the single stop 0 of a name without separators) runs to the end.
Span WordSpan(const std::vector<int>& stops, int k, long long length) {
  const int count = static_cast<int>(stops.size());
  Span span{k == 0 ? 0 : stops[k - 1], k == count ? length : stops[k] - 1LL};
  if (span.end < span.begin) span.end = length;
  span.begin = std::clamp(span.begin, 0LL, length);
  span.end = std::clamp(span.end, span.begin, length);
  return span;
}

// A word opening with `open` shrinks to the text inside: one character later, up to the
// first `close` after the opening bracket (or the end of the text).
void EnterBrackets(std::string_view text, Span& span, char open, char close) {
  if (span.begin >= span.end || text[span.begin] != open) return;
  const std::size_t found = text.find(close, static_cast<std::size_t>(span.begin));
  span.begin += 1;
  span.end = found == std::string_view::npos ? static_cast<long long>(text.size())
                                             : static_cast<long long>(found);
}

TextSelection ToSelection(Span span) {
  return {static_cast<std::size_t>(span.begin), static_cast<std::size_t>(span.end - span.begin)};
}

}  // namespace

std::optional<std::vector<int>> BuildWordStops(std::string_view text) {
  if (text.size() < 2) return std::nullopt;
  std::vector<int> stops;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const char c = text[i];
    const bool separator = c == ' ' || c == '.' || c == '_' || c == '|' || IsPathSeparator(c) ||
                           (c == '-' && (i == 0 || text[i - 1] != ' '));
    if (separator) stops.push_back(static_cast<int>(i) + 1);
  }
  const std::size_t last_dash = text.rfind('-');
  const int dash = last_dash == std::string_view::npos ? 0 : static_cast<int>(last_dash) + 1;
  if (stops.empty() || dash > stops.back()) stops.push_back(dash);
  return stops;
}

std::optional<std::vector<int>> BuildPathWordStops(std::string_view text) {
  if (Trim(text).size() < 2 || !IsAbsolutePath(text)) return std::nullopt;
  std::vector<int> stops;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsPathSeparator(text[i])) stops.push_back(static_cast<int>(i) + 1);
  }
  return stops;
}

std::optional<TextSelection> IntelligentSelection(std::string_view text, TextSelection current,
                                                  SelectionField field,
                                                  const std::vector<int>& stops,
                                                  WordCursor& cursor) {
  const long long length = static_cast<long long>(text.size());

  // A caret inside the text picks the word it stands in: the nearest separator at or before
  // the caret decides which word comes next.
  if (current.length == 0 && current.start > 0 && current.start < text.size()) {
    cursor.next_word = 0;
    for (std::size_t index = current.start; index-- > 0;) {
      if (!IsCaretSeparator(text, index, field)) continue;
      const auto stop = std::find(stops.begin(), stops.end(), static_cast<int>(index) + 1);
      if (stop != stops.end()) cursor.next_word = static_cast<int>(stop - stops.begin()) + 1;
      break;
    }
  }

  if (stops.empty() || stops.back() > length) return std::nullopt;
  const int count = static_cast<int>(stops.size());

  if (cursor.next_word > count || cursor.next_word < 0) {
    cursor.next_word = 1;
    return ToSelection(WordSpan(stops, 0, length));
  }

  Span span = WordSpan(stops, cursor.next_word, length);
  ++cursor.next_word;
  EnterBrackets(text, span, '[', ']');
  EnterBrackets(text, span, '(', ')');
  EnterBrackets(text, span, '{', '}');
  if (span.begin < span.end) {
    const char last = text[span.end - 1];
    if (last == ')' || last == ']' || last == '}') --span.end;
  }
  if (span.begin == span.end && span.begin < length)
    span.end = span.begin + static_cast<long long>(
                                DecodeUtf8Char(text, static_cast<std::size_t>(span.begin)).length);
  return ToSelection(span);
}

}  // namespace kestrix
