// The ten built-in language files as the source tree holds them (what the resource script
// embeds): each has exactly the English keys, keeps the English markers, gives each
// window's accelerators distinct letters and is not saved as UTF-8.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"

namespace kestrix {
namespace {

constexpr const char* kFiles[] = {"ENG", "HUN", "RUS", "DUT", "ESP",
                                  "DEU", "DAN", "CHN", "UKR", "KOR"};

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

TEST(BuiltInLanguageFiles, HaveTheEnglishKeysMarkersAndDistinctAccelerators) {
  const LanguageTable english = LanguageTable::FromText(ReadSourceFile("ENG"));
  std::vector<std::string> english_keys;
  for (const LanguageKey& key : lng::kAllKeys)
    english_keys.push_back(std::string(key.section) + "/" + std::string(key.key));
  std::sort(english_keys.begin(), english_keys.end());

  for (const std::string id : kFiles) {
    SCOPED_TRACE(id);
    const std::string text = ReadSourceFile(id);
    ASSERT_FALSE(text.empty()) << "no file";

    // Stored in its code page: an editor's UTF-8 would show as mojibake.
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    EXPECT_TRUE(ascii || !ValidUtf8(text)) << "saved as UTF-8";

    const LanguageTable table = LanguageTable::FromText(text);
    std::vector<std::string> keys;
    for (const std::string& section : table.SectionNames())
      for (const std::string& key : table.KeyNames(section)) keys.push_back(section + "/" + key);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, english_keys);

    EXPECT_EQ(AsciiUpperCase(table.ShortId()), id);

    for (const LanguageKey& key : lng::kAllKeys) {
      if (key.section == lng::header::kSection) continue;
      const std::string section(key.section), name(key.key);
      const std::string original = english.Text(section, name, "");
      const std::string translated = table.Text(section, name, "");
      SCOPED_TRACE(section + "/" + name + "=" + translated);
      EXPECT_EQ(Markers(translated), Markers(original));
      EXPECT_EQ(translated.empty(), original.empty());
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
