// The ten built-in language files as the source tree holds them (what the resource script
// embeds): each has exactly the English keys, keeps the English markers, gives each
// window's accelerators distinct letters, is stored in its code page and is translated.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"

namespace kestrix {
namespace {

struct BuiltInFile {
  const char* id;
  int code_page;
  int font_charset;  // from the file's own `LngShortID`: German declares "deu"
};

constexpr BuiltInFile kFiles[] = {
    {"ENG", 1252, 1}, {"HUN", 1250, 238}, {"RUS", 1251, 204}, {"DUT", 1252, 0},   {"ESP", 1252, 1},
    {"DEU", 1252, 1}, {"DAN", 1252, 1},   {"CHN", 936, 134},  {"UKR", 1251, 204}, {"KOR", 949, 129},
};

// The sections whose captions one window (or menu) shows together, so their accelerators
// must differ. The buttons section counts for every dialog that shows buttons.
const std::vector<std::vector<std::string_view>> kWindows = {
    {"Buttons", "Captions - Program"},  // the main window
    {"Buttons", "Captions - Install"},  // the installer
    {"Buttons", "Configuration"},       // the configuration dialog
    {"Buttons", "NewApplication"},      // the user-application dialog
    {"Configuration - Popup"},          // the options menu
    {"QuickReplacers", "QuickReplacers - Date", "QuickReplacers - System",
     "QuickReplacers - Applications"},  // the variables menu
};

// Texts that may equal the English one: names, and words the language shares with
// English. `languages` lists where ("*": everywhere). Texts without letters always may.
struct SameAsEnglish {
  std::string_view key;
  std::string_view languages;
};
constexpr SameAsEnglish kSameAsEnglish[] = {
    // The Windows "OK", key names, the numbering's own letters and the identifier.
    {"BtnOK", "*"},
    {"F7 radiobtn", "*"},
    {"ShiftF7 radiobtn", "*"},
    {"BatchABC", "*"},
    {"IDitem", "*"},
    // Words the language shares with English.
    {"BatchAutomatic", "DEU ESP DUT DAN"},
    {"BtnNormal", "DEU ESP DAN"},
    {"BatchDecimal", "ESP DAN"},
    {"BatchPrefix", "DUT"},
    {"BatchSuffix", "DEU DUT"},
    {"System", "DEU DAN"},
    {"SystemCat", "DEU DAN"},
    {"TemplateName", "DEU"},
    {"Nameitem", "DEU"},
    {"Minutes", "DEU"},
    {"WndTheme_2", "DAN"},
    {"General", "ESP"},
    {"Error", "ESP"},
    {"Version", "DEU DAN"},
};

std::string ReadSourceFile(const std::string& id) {
  std::ifstream in(std::string(KESTRIX_SOURCE_DIR) + "/resources/lng/LNG_" + id + ".ini",
                   std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool ValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const size_t length = c < 0x80         ? 1
                          : (c >> 5) == 6  ? 2
                          : (c >> 4) == 14 ? 3
                          : (c >> 3) == 30 ? 4
                                           : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

// The offset of the first byte that is no character of the code page, or npos.
size_t FirstUndecodable(std::string_view text, int code_page) {
  static const std::map<int, std::string_view> kUndefined = {
      {1250, "\x81\x83\x88\x90\x98"}, {1251, "\x98"}, {1252, "\x81\x8D\x8F\x90\x9D"}};
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') return i;
    if (c < 0x80) continue;
    if (code_page != 936 && code_page != 949) {
      if (kUndefined.at(code_page).find(static_cast<char>(c)) != std::string_view::npos) return i;
      continue;
    }
    if (code_page == 936 && c == 0x80) continue;  // the euro sign
    if (c == 0x80 || c == 0xFF || i + 1 == text.size()) return i;
    const auto t = static_cast<unsigned char>(text[++i]);
    const bool trail = code_page == 936 ? (t >= 0x40 && t <= 0xFE && t != 0x7F)
                                        : ((t >= 0x41 && t <= 0x5A) || (t >= 0x61 && t <= 0x7A) ||
                                           (t >= 0x81 && t <= 0xFE));
    if (!trail) return i - 1;
  }
  return std::string_view::npos;
}

// "%s", "&&", "<br>" and "&" (an accelerator), sorted: a translation may reorder them.
std::vector<std::string> Markers(std::string_view text) {
  std::vector<std::string> found;
  for (size_t i = 0; i < text.size(); ++i) {
    for (std::string_view marker : {"%s", "&&", "<br>", "&"}) {
      if (!text.substr(i).starts_with(marker)) continue;
      found.emplace_back(marker);
      i += marker.size() - 1;
      break;
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<char> Accelerators(std::string_view text) {
  std::vector<char> letters;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&')
      letters.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1]))));
    ++i;  // "&&" is one shown ampersand
  }
  return letters;
}

bool HasLetter(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

bool MayEqualEnglish(std::string_view key, std::string_view id) {
  for (const SameAsEnglish& same : kSameAsEnglish)
    if (same.key == key &&
        (same.languages == "*" || same.languages.find(id) != std::string_view::npos))
      return true;
  return false;
}

TEST(BuiltInLanguageFiles, AreCompleteTranslationsStoredInTheirCodePages) {
  const LanguageTable english = LanguageTable::FromText(ReadSourceFile("ENG"));
  std::vector<std::string> english_keys;
  for (const LanguageKey& key : lng::kAllKeys)
    english_keys.push_back(std::string(key.section) + "/" + std::string(key.key));
  std::sort(english_keys.begin(), english_keys.end());

  for (const BuiltInFile& file : kFiles) {
    SCOPED_TRACE(file.id);
    const std::string text = ReadSourceFile(file.id);
    ASSERT_FALSE(text.empty()) << "no file";

    // Stored in its code page, and says which in its first line.
    const size_t bad = FirstUndecodable(text, file.code_page);
    EXPECT_EQ(bad, std::string::npos) << "undecodable byte at offset " << bad;
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    EXPECT_TRUE(ascii || !ValidUtf8(text)) << "saved as UTF-8";
    const std::string first_line = text.substr(0, text.find('\n'));
    EXPECT_TRUE(first_line.starts_with(";") &&
                first_line.find(std::to_string(file.code_page)) != std::string::npos)
        << first_line;

    const LanguageTable table = LanguageTable::FromText(text);
    std::vector<std::string> keys;
    for (const std::string& section : table.SectionNames())
      for (const std::string& key : table.KeyNames(section)) keys.push_back(section + "/" + key);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, english_keys);

    EXPECT_EQ(FontCharsetFor(LanguageResourceName(table.ShortId())), file.font_charset);
    EXPECT_EQ(AsciiUpperCase(table.ShortId()), file.id);
    const auto listed = std::find_if(kBuiltInLanguages.begin(), kBuiltInLanguages.end(),
                                     [&](const BuiltInLanguage& l) { return l.id == file.id; });
    ASSERT_NE(listed, kBuiltInLanguages.end());
    EXPECT_EQ(table.Text(lng::header::kLngNameEng), listed->english_name);

    for (const LanguageKey& key : lng::kAllKeys) {
      if (key.section == lng::header::kSection) continue;
      const std::string section(key.section), name(key.key);
      const std::string original = english.Text(section, name, "");
      const std::string translated = table.Text(section, name, "");
      SCOPED_TRACE(section + "/" + name + "=" + translated);
      EXPECT_EQ(Markers(translated), Markers(original));
      EXPECT_EQ(translated.empty(), original.empty());
      if (file.id != std::string_view("ENG") && HasLetter(original) &&
          !MayEqualEnglish(key.key, file.id)) {
        EXPECT_NE(translated, original) << "left in English";
      }
    }

    for (const auto& window : kWindows) {
      std::multiset<char> letters;
      for (std::string_view section : window)
        for (const std::string& key : table.KeyNames(std::string(section)))
          for (char letter : Accelerators(table.Text(std::string(section), key, "")))
            letters.insert(letter);
      for (char letter : letters)
        EXPECT_EQ(letters.count(letter), 1u)
            << "accelerator &" << letter << " in " << window[0] << " / " << window.back();
    }
  }
}

}  // namespace
}  // namespace kestrix
