#include "base/utf8.h"

namespace kestrix {

namespace {

constexpr char32_t kMalformed = 0xFFFFFFFF;

bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Code point and length at `at`; kMalformed with length 1 for a byte that starts no valid
// sequence. Surrogate values pass (WTF-8), so a lone one written by Utf8FromUtf16 reads back.
Utf8Char Decode(std::string_view text, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, 1};
  std::size_t extra = 0;
  char32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, code = lead & 0x07;
  } else {
    return {kMalformed, 1};
  }
  if (at + extra >= text.size()) return {kMalformed, 1};
  for (std::size_t k = 1; k <= extra; ++k) {
    const unsigned char next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return {kMalformed, 1};
    code = (code << 6) | (next & 0x3F);
  }
  if ((extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000) || code > 0x10FFFF)
    return {kMalformed, 1};
  return {code, extra + 1};
}

template <typename Emit>
void EachUtf16Unit(std::string_view text, bool* lost, Emit emit) {
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Char c = Decode(text, i);
    i += c.length;
    if (c.code == kMalformed) {
      if (lost != nullptr) *lost = true;
      emit(u'\uFFFD');
    } else if (c.code >= 0x10000) {
      emit(static_cast<char16_t>(0xD800 + ((c.code - 0x10000) >> 10)));
      emit(static_cast<char16_t>(0xDC00 + (c.code & 0x3FF)));
    } else {
      emit(static_cast<char16_t>(c.code));
    }
  }
}

template <typename Unit>
std::string Utf8FromUnits(std::size_t count, Unit unit) {
  std::string text;
  text.reserve(count + count / 2);
  for (std::size_t i = 0; i < count; ++i) {
    char32_t c = unit(i);
    if (IsHighSurrogate(c) && i + 1 < count && IsLowSurrogate(unit(i + 1))) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    }
    AppendUtf8(text, c);
  }
  return text;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

Utf8Char DecodeUtf8Char(std::string_view text, std::size_t at) {
  Utf8Char c = Decode(text, at);
  if (c.code == kMalformed) c.code = static_cast<unsigned char>(text[at]);
  return c;
}

std::string Utf8FromUtf16(std::u16string_view text) {
  return Utf8FromUnits(text.size(), [&](std::size_t i) { return char32_t{text[i]}; });
}

std::string Utf8FromUtf16Le(std::string_view bytes) {
  return Utf8FromUnits(bytes.size() / 2, [&](std::size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                 (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  });
}

namespace {

std::string Utf8FromUtf16Be(std::string_view bytes) {
  return Utf8FromUnits(bytes.size() / 2, [&](std::size_t i) {
    return static_cast<char32_t>((static_cast<unsigned char>(bytes[2 * i]) << 8) |
                                 static_cast<unsigned char>(bytes[2 * i + 1]));
  });
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

}  // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LeMark)) return TextEncoding::kUtf16Le;
  if (bytes.starts_with(kUtf16BeMark)) return TextEncoding::kUtf16Be;
  if (bytes.starts_with(kUtf8Mark)) return TextEncoding::kUtf8WithMark;
  return !IsAscii(bytes) && IsValidUtf8(bytes) ? TextEncoding::kUtf8 : TextEncoding::kAnsi;
}

std::string Utf8FromEncoded(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kUtf16Le:
      return Utf8FromUtf16Le(bytes.substr(kUtf16LeMark.size()));
    case TextEncoding::kUtf16Be:
      return Utf8FromUtf16Be(bytes.substr(kUtf16BeMark.size()));
    case TextEncoding::kUtf8WithMark:
      return std::string(bytes.substr(kUtf8Mark.size()));
    case TextEncoding::kUtf8:
    case TextEncoding::kAnsi:
      break;
  }
  return std::string(bytes);
}

std::string OwnTextFileBytes(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  return std::string(kUtf16LeMark) + Utf16LeFromUtf8(text);
}

std::u16string Utf16FromUtf8(std::string_view text, bool* lost) {
  std::u16string wide;
  wide.reserve(text.size());
  EachUtf16Unit(text, lost, [&](char16_t c) { wide.push_back(c); });
  return wide;
}

std::string Utf16LeFromUtf8(std::string_view text, bool* lost) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  EachUtf16Unit(text, lost, [&](char16_t c) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  });
  return bytes;
}

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const Utf8Char c = Decode(bytes, i);
    if (c.code == kMalformed || (c.code >= 0xD800 && c.code <= 0xDFFF)) return false;
    i += c.length;
  }
  return true;
}

bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Char c = Decode(text, i);
    units += c.code != kMalformed && c.code >= 0x10000 ? 2 : 1;
    i += c.length;
  }
  return units;
}

std::size_t ByteOffsetOfUtf16(std::string_view text, std::size_t units) {
  std::size_t i = 0;
  while (i < text.size()) {
    const Utf8Char c = Decode(text, i);
    const std::size_t width = c.code != kMalformed && c.code >= 0x10000 ? 2 : 1;
    if (width > units) break;
    units -= width;
    i += c.length;
  }
  return i;
}

std::size_t Utf16OffsetOfByte(std::string_view text, std::size_t bytes) {
  return Utf16Length(text.substr(0, CharStartAtOrBefore(text, bytes)));
}

std::size_t CharStartAtOrBefore(std::string_view text, std::size_t at) {
  if (at >= text.size()) return text.size();
  std::size_t start = at;
  // At most three continuation bytes lead back to the character's first byte.
  while (start > 0 && at - start < 3 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
    --start;
  const Utf8Char c = Decode(text, start);
  return start + c.length > at ? start : at;
}

std::string_view HeadOfUtf16Length(std::string_view text, std::size_t units) {
  return text.substr(0, ByteOffsetOfUtf16(text, units));
}

}  // namespace kestrix
