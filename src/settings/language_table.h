#pragma once
// The interface language: every user-visible text is looked up by section and key, with
// its English text as the default.
#include <string>

namespace kestrix {

class LanguageTable {
 public:
  virtual ~LanguageTable() = default;
  // The text stored for section/key, or `english` when the language has none. Untrimmed.
  virtual std::string Lookup(const std::string& section, const std::string& key,
                             const std::string& english) const = 0;
};

// The English texts themselves: used before a language is loaded and in tests.
class EnglishLanguageTable : public LanguageTable {
 public:
  std::string Lookup(const std::string&, const std::string&,
                     const std::string& english) const override {
    return english;
  }
};

// Lookup and trim, as every caller shows the texts.
std::string LanguageText(const LanguageTable& table, const std::string& section,
                         const std::string& key, const std::string& english);

}  // namespace kestrix
