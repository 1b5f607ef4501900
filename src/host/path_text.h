#pragma once
// Small text and path helpers of the host link and the creation run. Texts are
// system-code-page strings; case folding is ASCII only, as file names compare on Windows
// for the characters the host link looks at.
#include <string>

namespace kestrix::pathtext {

bool IsBlank(char c);
std::string Trim(const std::string& text);
std::string TrimLeft(const std::string& text);
std::string Upper(const std::string& text);
std::string Lower(const std::string& text);
bool Contains(const std::string& text, const std::string& part);
bool ContainsIgnoreCase(const std::string& text, const std::string& part);
bool EndsWith(const std::string& text, const std::string& tail);
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);
std::string ReplaceAllIgnoreCase(const std::string& text, const std::string& from,
                                 const std::string& to);

// "C:" for "C:\x", "\\server\share" for "\\server\share\x", empty otherwise.
std::string ExtractFileDrive(const std::string& path);
// The part after the last "\", "/" or ":".
std::string ExtractFileName(const std::string& path);
// The directory part with its trailing separator ("C:\a\b.ini" gives "C:\a\").
std::string ExtractFilePath(const std::string& path);
// The file name's extension with its dot ("" when none); ".hidden" is all extension.
std::string ExtractFileExt(const std::string& path);
// The file name without its extension.
std::string FileNameWithoutExt(const std::string& path);
bool EndsWithSeparator(const std::string& path);
// Appends "\" unless the text already ends with "\" or "/".
std::string WithTrailingSeparator(const std::string& path);
// Begins with "\\" or has ":\" at positions 2-3 (after upper-casing and trimming).
bool HasAbsoluteForm(const std::string& text);

}  // namespace kestrix::pathtext
