#pragma once
// Path helpers of the host link and the creation run. Texts are UTF-8.
// Unlike the name engine's ExtractFileName these take "/" as a separator too: panel
// paths and typed paths may use either. Trim, case folding and replacing are in text_utils.
#include <string>
#include <string_view>

#include "base/text_utils.h"

namespace kestrix::pathtext {

bool Contains(const std::string& text, const std::string& part);

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

}  // namespace kestrix::pathtext

namespace kestrix {

// The trimmed text begins with "\\" (a network path) or has ":\" as its second and third
// characters (a drive path). "C:/x" is not absolute: its ":" makes it invalid instead.
bool IsAbsolutePath(std::string_view text);

// A file's "file:" URL, opened at `section` when it is not empty: "C:\a b\x.html" and
// "keys" give "file:///C:/a%20b/x.html#keys", a network path "file://server/share/...".
// Blanks, "%" and "#" are escaped; other characters stay as they are (the wide shell
// call takes them as the IRI they make).
std::string FileUrl(std::string_view path, std::string_view section);

}  // namespace kestrix
