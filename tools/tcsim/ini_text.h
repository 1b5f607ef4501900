#pragma once
// The few reads the stand-in host makes from its own configuration files (wincmd.ini,
// usercmd.ini): sections and keys compared without case, values trimmed. Deliberately
// tiny; the host only ever reads these files.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrix::tcsim {

class IniText {
 public:
  // The file's text in UTF-8, without a byte-order mark (ConfigurationText).
  static IniText Parse(const std::string& text);

  std::optional<std::string> Get(const std::string& section, const std::string& key) const;
  // Key/value pairs of a section in file order; a repeated section adds to the first.
  std::vector<std::pair<std::string, std::string>> Entries(const std::string& section) const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  std::vector<Section> sections_;
};

// `text` with the value of an existing key of `section` replaced (the line becomes
// key=value); unchanged when the section or key is missing.
std::string ReplaceIniValue(const std::string& text, const std::string& section,
                            const std::string& key, const std::string& value);

std::string Trim(const std::string& text);
bool EqualsNoCase(const std::string& a, const std::string& b);
std::string UpperCase(std::string text);

}  // namespace kestrix::tcsim
