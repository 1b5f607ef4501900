#include "names/text_modifiers.h"

#include <algorithm>

#include "base/unicode_case.h"
#include "base/utf8.h"

namespace kestrix {

namespace {

std::string ReplaceChar(std::string_view text, char from, char to) {
  std::string result(text);
  std::replace(result.begin(), result.end(), from, to);
  return result;
}

// A mark becomes `to` only when it stands alone between two other characters (or starts
// the text and has a character after it).
std::string ReplaceLoneMarks(std::string_view text, char mark, char to) {
  std::string result(text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != mark) continue;
    const bool mark_before = i > 0 && text[i - 1] == mark;
    const bool other_after = i + 1 < text.size() && text[i + 1] != mark;
    if (!mark_before && other_after) result[i] = to;
  }
  return result;
}

}  // namespace

std::string SpaceToDot(std::string_view text) {
  return ReplaceChar(text, ' ', '.');
}
std::string DotToSpace(std::string_view text) {
  return ReplaceChar(text, '.', ' ');
}
std::string SpaceToDotCareful(std::string_view text) {
  return ReplaceLoneMarks(text, ' ', '.');
}
std::string DotToSpaceCareful(std::string_view text) {
  return ReplaceLoneMarks(text, '.', ' ');
}

std::string InvertCase(std::string_view text, const CharCase& char_case) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Char c = DecodeUtf8Char(text, i);
    if (c.code >= 0x80 && c.length == 1) {
      result.push_back(text[i]);  // a malformed byte is no character to change
    } else if (const char32_t lower = char_case.ToLower(c.code); lower != c.code) {
      AppendUtf8(result, lower);
    } else {
      AppendUtf8(result, char_case.ToUpper(c.code));
    }
    i += c.length;
  }
  return result;
}

char32_t PortableCharCase::ToUpper(char32_t c) const {
  return SimpleUpperCase(c);
}

char32_t PortableCharCase::ToLower(char32_t c) const {
  return SimpleLowerCase(c);
}

ModifiedText ProcessTextModifier(std::string_view function_name, std::string_view text,
                                 TextSelection selection, InputMode mode, bool intelli_modifiers,
                                 const CharCase& char_case) {
  // A selection reported past the text is cut to it, so nothing is read out of range, and
  // one that ends inside a character is moved to its start, so none is split.
  const std::size_t start = CharStartAtOrBefore(text, std::min(selection.start, text.size()));
  const std::size_t end =
      CharStartAtOrBefore(text, start + std::min(selection.length, text.size() - start));
  selection = {start, end - start};
  ModifiedText result{std::string(text), selection};

  // Without a selection the modifier takes the whole text.
  const std::size_t begin = selection.length == 0 ? 0 : selection.start;
  const std::size_t count = selection.length == 0 ? text.size() : selection.length;
  const std::string_view part = text.substr(begin, count);
  const bool normal = mode == InputMode::kNormal;

  std::string modified;
  if (function_name == "FNC_SpaceToDot") {
    modified = normal && intelli_modifiers ? SpaceToDotCareful(part) : SpaceToDot(part);
  } else if (function_name == "FNC_DotToSpace") {
    modified = !normal || intelli_modifiers ? DotToSpaceCareful(part) : DotToSpace(part);
  } else if (function_name == "FNC_InvertCase") {
    modified = InvertCase(part, char_case);
  } else {
    return result;
  }
  result.text.replace(begin, count, modified);
  // A case change may change a character's bytes ("ı" and "I"), never its UTF-16 units: the
  // selection keeps its place in those.
  const auto moved = [&](std::size_t at) {
    return ByteOffsetOfUtf16(result.text, Utf16OffsetOfByte(text, at));
  };
  result.selection = {moved(start), moved(end) - moved(start)};
  return result;
}

}  // namespace kestrix
