#include "create/virtual_panel.h"

#include <utility>

#include "base/path_text.h"
#include "base/utf8.h"

namespace kestrix {

using namespace pathtext;

bool IsVirtualPanelPath(const std::string& current_path) {
  return current_path.rfind(kVirtualPanelPrefix, 0) == 0;
}

std::u16string DecodeUtf16ListFile(const std::string& bytes) {
  size_t pos = 0;
  bool big_endian = false;
  if (bytes.size() >= 2) {
    unsigned char b0 = static_cast<unsigned char>(bytes[0]);
    unsigned char b1 = static_cast<unsigned char>(bytes[1]);
    if (b0 == 0xFF && b1 == 0xFE) pos = 2;
    if (b0 == 0xFE && b1 == 0xFF) pos = 2, big_endian = true;
  }
  std::u16string text;
  text.reserve((bytes.size() - pos) / 2);
  for (; pos + 1 < bytes.size(); pos += 2) {
    unsigned lo = static_cast<unsigned char>(bytes[pos]);
    unsigned hi = static_cast<unsigned char>(bytes[pos + 1]);
    if (big_endian) std::swap(lo, hi);
    text.push_back(static_cast<char16_t>(lo | (hi << 8)));
  }
  return text;
}

std::vector<std::string> SplitVirtualPanelEntries(const std::string& text) {
  std::vector<std::string> entries;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\t' || text[i] == '\r') {
      entries.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return entries;
}

std::string RealDirOfVirtualPath(const std::string& virtual_rest,
                                 const std::vector<std::string>& entries) {
  std::vector<std::string> kept;
  for (const std::string& entry : entries) {
    std::string trimmed = Trim(entry);
    if (!trimmed.empty() && (trimmed[0] == '\\' || Contains(trimmed, ":\\")))
      kept.push_back(trimmed);
  }
  const std::string wanted = "\\" + virtual_rest;
  for (size_t i = 0; i < kept.size(); ++i)
    if (kept[i] + "\\" == wanted) return i + 1 < kept.size() ? kept[i + 1] : "";
  return "";
}

std::string ResolveVirtualPanelPath(const std::string& current_path,
                                    const std::string& file_bytes) {
  // The rest starts at position 18: after the 16-character prefix and its "\".
  std::string rest = current_path.size() > 17 ? current_path.substr(17) : "";
  // UTF-8, as every path inside: a code page would lose the names it cannot spell.
  std::string text = Utf8FromUtf16(DecodeUtf16ListFile(file_bytes));
  return RealDirOfVirtualPath(rest, SplitVirtualPanelEntries(text));
}

}  // namespace kestrix
