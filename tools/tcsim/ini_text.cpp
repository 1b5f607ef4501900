#include "ini_text.h"

namespace kestrix::tcsim {

std::string Trim(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(begin, end - begin);
}

std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && UpperCase(a) == UpperCase(b);
}

IniText IniText::Parse(const std::string& text) {
  IniText ini;
  Section* current = nullptr;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t eol = text.find('\n', pos);
    if (eol == std::string::npos) eol = text.size();
    std::string line = Trim(text.substr(pos, eol - pos));
    pos = eol + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      std::string name = Trim(line.substr(1, line.size() - 2));
      current = nullptr;
      for (Section& s : ini.sections_) {
        if (EqualsNoCase(s.name, name)) current = &s;
      }
      if (!current) {
        ini.sections_.push_back({name, {}});
        current = &ini.sections_.back();
      }
      continue;
    }
    size_t eq = line.find('=');
    if (!current || eq == std::string::npos) continue;
    current->entries.emplace_back(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
  }
  return ini;
}

std::optional<std::string> IniText::Get(const std::string& section, const std::string& key) const {
  for (const auto& [name, value] : Entries(section)) {
    if (EqualsNoCase(name, key)) return value;
  }
  return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> IniText::Entries(
    const std::string& section) const {
  for (const Section& s : sections_) {
    if (EqualsNoCase(s.name, section)) return s.entries;
  }
  return {};
}

std::string ReplaceIniValue(const std::string& text, const std::string& section,
                            const std::string& key, const std::string& value) {
  std::string out;
  bool inside = false, replaced = false;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t eol = text.find('\n', pos);
    size_t next = eol == std::string::npos ? text.size() : eol + 1;
    std::string line = text.substr(pos, next - pos);
    std::string bare = Trim(line);
    pos = next;
    if (!bare.empty() && bare.front() == '[' && bare.back() == ']') {
      inside = EqualsNoCase(Trim(bare.substr(1, bare.size() - 2)), section);
    } else if (inside && !replaced && bare.find('=') != std::string::npos &&
               EqualsNoCase(Trim(bare.substr(0, bare.find('='))), key)) {
      const size_t end = line.find_last_not_of("\r\n") + 1;
      line = key + "=" + value + line.substr(end);
      replaced = true;
    }
    out += line;
  }
  return out;
}

}  // namespace kestrix::tcsim
