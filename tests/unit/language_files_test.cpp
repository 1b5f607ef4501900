// The ten built-in language files as the source tree holds them (what the resource script
// embeds): each has exactly the English keys and is not saved as UTF-8.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "base/text_utils.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"

namespace kestrix {
namespace {

constexpr const char* kFiles[] = {"ENG", "HUN", "RUS", "DUT", "ESP",
                                  "DEU", "DAN", "CHN", "UKR", "KOR"};

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

TEST(BuiltInLanguageFiles, HaveExactlyTheEnglishKeysAndAreNotUtf8) {
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
  }
}

}  // namespace
}  // namespace kestrix
