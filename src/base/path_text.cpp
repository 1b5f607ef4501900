#include "base/path_text.h"

#include <algorithm>

namespace kestrix::pathtext {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::string ExtractFileDrive(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    // "\\server\share": up to the separator after the share name.
    size_t server_end = path.find('\\', 2);
    if (server_end == std::string::npos) return path;
    size_t share_end = path.find('\\', server_end + 1);
    return share_end == std::string::npos ? path : path.substr(0, share_end);
  }
  return "";
}

std::string ExtractFileName(const std::string& path) {
  size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ExtractFilePath(const std::string& path) {
  size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? "" : path.substr(0, cut + 1);
}

std::string ExtractFileExt(const std::string& path) {
  std::string name = ExtractFileName(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? "" : name.substr(dot);
}

std::string FileNameWithoutExt(const std::string& path) {
  std::string name = ExtractFileName(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

bool EndsWithSeparator(const std::string& path) {
  return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

std::string WithTrailingSeparator(const std::string& path) {
  return EndsWithSeparator(path) ? path : path + "\\";
}

}  // namespace kestrix::pathtext

namespace kestrix {

bool IsAbsolutePath(std::string_view text) {
  const std::string t = Trim(text);
  if (t.starts_with("\\\\")) return true;
  return t.size() >= 3 && t[1] == ':' && t[2] == '\\';
}

std::string FileUrl(std::string_view path, std::string_view section) {
  std::string url = path.starts_with("\\\\") ? "file:" : "file:///";
  for (char c : path) {
    switch (c) {
      case '\\':
        url += '/';
        break;
      case ' ':
        url += "%20";
        break;
      case '%':
        url += "%25";
        break;
      case '#':
        url += "%23";
        break;
      default:
        url += c;
    }
  }
  if (!section.empty()) url += Concat({"#", section});
  return url;
}

}  // namespace kestrix
