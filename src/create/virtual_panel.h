#pragma once
// The host's virtual panel: its path "\\\Virtual Panel\..." stands for a real directory
// listed in the panel's list file, which holds pairs of lines: "\" + virtual folder, then
// the real directory.
#include <string>
#include <vector>

namespace kestrix {

constexpr char kVirtualPanelPrefix[] = "\\\\\\Virtual Panel";  // 16 characters

bool IsVirtualPanelPath(const std::string& current_path);

// The list file's bytes as text: UTF-16, little-endian unless it starts with FE FF
// (big-endian); a byte-order mark is dropped; an odd last byte is ignored.
std::u16string DecodeUtf16ListFile(const std::string& bytes);

// The list file's entries: the text split at every tab, then at every carriage return.
std::vector<std::string> SplitVirtualPanelEntries(const std::string& text);

// The real directory for the virtual rest (the path after "\\\Virtual Panel\"): the entry
// after the one equal to "\" + rest (entries reduced to the trimmed, non-empty ones that
// begin with "\" or contain ":\"); empty when none matches or the match is the last.
std::string RealDirOfVirtualPath(const std::string& virtual_rest,
                                 const std::vector<std::string>& entries);

// The whole resolution from the list file's bytes; empty when nothing matches.
std::string ResolveVirtualPanelPath(const std::string& current_path, const std::string& file_bytes);

}  // namespace kestrix
