#include "names/text_modifiers.h"

#include <algorithm>

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

constexpr unsigned char kExtraUpper[] = {0xC1, 0xC9, 0xCD, 0xD3, 0xD6, 0xD5, 0xDA, 0xDC, 0xDB};
constexpr unsigned char kExtraLower[] = {0xE1, 0xE9, 0xED, 0xF3, 0xF6, 0xF5, 0xFA, 0xFC, 0xFB};

bool IsExtra(const unsigned char (&letters)[9], char c) {
  return std::find(std::begin(letters), std::end(letters), static_cast<unsigned char>(c)) !=
         std::end(letters);
}

bool IsUpperForInversion(char c) {
  return (c >= 'A' && c <= 'Z') || IsExtra(kExtraUpper, c);
}
bool IsLowerForInversion(char c) {
  return (c >= 'a' && c <= 'z') || IsExtra(kExtraLower, c);
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
  std::string result(text);
  for (char& c : result) {
    if (IsUpperForInversion(c)) {
      c = char_case.ToLower(c);
    } else if (IsLowerForInversion(c)) {
      c = char_case.ToUpper(c);
    }
  }
  return result;
}

char PortableCharCase::ToUpper(char c) const {
  if (IsLowerForInversion(c)) return static_cast<char>(static_cast<unsigned char>(c) - 0x20);
  return c;
}

char PortableCharCase::ToLower(char c) const {
  if (IsUpperForInversion(c)) return static_cast<char>(static_cast<unsigned char>(c) + 0x20);
  return c;
}

ModifiedText ProcessTextModifier(std::string_view function_name, std::string_view text,
                                 TextSelection selection, InputMode mode, bool intelli_modifiers,
                                 const CharCase& char_case) {
  // A selection reported past the text is cut to it, so nothing is read out of range.
  selection.start = std::min(selection.start, text.size());
  selection.length = std::min(selection.length, text.size() - selection.start);
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
  return result;
}

}  // namespace kestrix
