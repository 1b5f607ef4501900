#include "requests.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ini_text.h"

namespace kestrix::tcsim {
namespace {

std::string EnvironmentName(const std::string& entry) {
  // Drive-current-directory entries ("=C:=C:\x") start with "=": the name includes it.
  size_t eq = entry.find('=', 1);
  return entry.substr(0, eq == std::string::npos ? entry.size() : eq);
}

}  // namespace

std::string TextUpToZero(const char* data, size_t size) {
  if (!data) return {};
  const void* zero = std::memchr(data, 0, size);
  size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - data) : size;
  return std::string(data, length);
}

ChangeDirRequest DecodeChangeDir(const char* data, size_t size) {
  ChangeDirRequest request;
  if (!data) return request;
  std::string text = TextUpToZero(data, size);
  if (text.size() < size)
    request.flags = TextUpToZero(data + text.size() + 1, size - text.size() - 1);
  size_t cr = text.find('\r');
  request.left = text.substr(0, cr);
  if (cr != std::string::npos) request.right = text.substr(cr + 1);
  return request;
}

std::string HexBytes(const char* data, size_t size) {
  std::string hex;
  for (size_t i = 0; i < size; ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02X", static_cast<unsigned char>(data[i]));
    if (i) hex += ' ';
    hex += byte;
  }
  return hex;
}

std::string LogQuote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || c == '"') {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string ExpandPlaceholders(const std::string& text, const PlaceholderValues& values) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%' || i + 1 == text.size()) {
      result += text[i];
      continue;
    }
    char next = text[i + 1];
    if (next == '%') {
      result += '%';
    } else if (next == 'P') {
      result += values.source_path;
    } else if (next == 'T') {
      result += values.target_path;
    } else if (next == 'N') {
      result += values.focused_name;
    } else {
      result += '%';
      continue;
    }
    ++i;
  }
  return result;
}

std::string QuoteProgram(const std::string& program) {
  if (program.find(' ') == std::string::npos || program.front() == '"') return program;
  return "\"" + program + "\"";
}

std::string BuildEnvironmentBlock(
    const std::vector<std::string>& current,
    const std::vector<std::pair<std::string, std::string>>& overrides) {
  std::vector<std::string> entries;
  for (const std::string& entry : current) {
    if (entry.empty()) continue;
    std::string name = EnvironmentName(entry);
    bool replaced = std::any_of(overrides.begin(), overrides.end(),
                                [&](const auto& o) { return EqualsNoCase(o.first, name); });
    if (!replaced) entries.push_back(entry);
  }
  for (const auto& [name, value] : overrides) entries.push_back(name + "=" + value);
  std::stable_sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    return UpperCase(EnvironmentName(a)) < UpperCase(EnvironmentName(b));
  });
  // An empty block still needs its two terminating zero bytes.
  std::string block = entries.empty() ? std::string(1, '\0') : std::string();
  for (const std::string& entry : entries) {
    block += entry;
    block += '\0';
  }
  block += '\0';
  return block;
}

}  // namespace kestrix::tcsim
