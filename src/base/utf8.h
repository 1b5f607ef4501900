#pragma once
// Text is UTF-8 inside the program and UTF-16 at the Windows boundary; these are the one
// pair of conversions between them, and the measures that have to agree with what
// Windows counts. A lone surrogate (legal in a Windows file name) travels as the three
// bytes of its own value (WTF-8), so any UTF-16 text comes back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrix {

std::string Utf8FromUtf16(std::u16string_view text);
// UTF-16 LE bytes (a file's content after its mark); an odd last byte is ignored.
std::string Utf8FromUtf16Le(std::string_view bytes);
// The inverse. A malformed sequence (a stray byte, an overlong form, a cut character)
// becomes U+FFFD and sets `lost`, which is left alone otherwise.
std::u16string Utf16FromUtf8(std::string_view text, bool* lost = nullptr);
// UTF-16 LE bytes of the text, without a mark.
std::string Utf16LeFromUtf8(std::string_view text, bool* lost = nullptr);

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view bytes);
bool IsAscii(std::string_view text);

// The UTF-16 code units of the text: what Windows counts in lengths and selections.
std::size_t Utf16Length(std::string_view text);
// The byte offset of UTF-16 position `units` (clamped to the text; a position inside a
// surrogate pair moves to the pair's start).
std::size_t ByteOffsetOfUtf16(std::string_view text, std::size_t units);
// The UTF-16 position of byte offset `bytes` (clamped; inside a character: its start).
std::size_t Utf16OffsetOfByte(std::string_view text, std::size_t bytes);
// `at` moved back to the start of the character it falls in, so a cut never splits one.
std::size_t CharStartAtOrBefore(std::string_view text, std::size_t at);
// The longest head of the text that has at most `units` UTF-16 units.
std::string_view HeadOfUtf16Length(std::string_view text, std::size_t units);

// One character of the text: its code point and its length in bytes. A malformed byte
// reads as itself with length 1.
struct Utf8Char {
  char32_t code = 0;
  std::size_t length = 1;
};
Utf8Char DecodeUtf8Char(std::string_view text, std::size_t at);
void AppendUtf8(std::string& out, char32_t code);

// How the bytes of one of the program's own text files are encoded.
enum class TextEncoding { kAnsi, kUtf8, kUtf8WithMark, kUtf16Le, kUtf16Be };
// UTF-16 by its mark; UTF-8 by its mark, or when the bytes are valid UTF-8 and not plain
// ASCII; otherwise the ANSI code page (plain ASCII reads the same in every one).
TextEncoding DetectTextEncoding(std::string_view bytes);
// The text of bytes in one of the UTF encodings, without the mark (an odd last byte of
// UTF-16 is ignored); kAnsi gives the bytes as they are.
std::string Utf8FromEncoded(std::string_view bytes, TextEncoding encoding);
// A whole text file the program writes for itself: plain ASCII as it is, which every code
// page reads the same; any other text as UTF-16 LE with its mark, which keeps everything.
std::string OwnTextFileBytes(std::string_view text);

}  // namespace kestrix
