// The ten built-in language files as the source tree holds them (what the resource script
// embeds): each decodes without a loss from the code page the program reads it in, and then
// has exactly the English keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "base/text_utils.h"
#include "fakes/fake_resources.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"

#ifndef _WIN32
#include <iconv.h>
#endif

namespace kestrix {
namespace {

#ifndef _WIN32
std::string ReadSourceFile(std::string_view id) {
  std::ifstream in(
      std::string(KESTRIX_SOURCE_DIR) + "/resources/lng/LNG_" + std::string(id) + ".ini",
      std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// The C library's tables for the code pages, strict: a byte sequence the code page does not
// define is a loss. (Under Wine the platform test decodes with the system's own.)
class IconvCodePage : public CodePage {
 public:
  std::string FromWide(const std::u16string&, bool*) override { return {}; }
  std::u16string WideFromCodePage(std::string_view bytes, unsigned code_page, bool* lost) override {
    iconv_t cd = iconv_open("UTF-16LE", ("CP" + std::to_string(code_page)).c_str());
    std::string out(bytes.size() * 2, '\0'), in(bytes);
    char *from = in.data(), *to = out.data();
    size_t left = in.size(), room = out.size();
    if (cd == reinterpret_cast<iconv_t>(-1) || iconv(cd, &from, &left, &to, &room) != 0)
      *lost = true;
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    out.resize(out.size() - room);
    return std::u16string(reinterpret_cast<const char16_t*>(out.data()), out.size() / 2);
  }
};

TEST(BuiltInLanguageFiles, DecodeWithoutALossAndHaveExactlyTheEnglishKeys) {
  std::vector<std::string> english_keys;
  for (const LanguageKey& key : lng::kAllKeys)
    english_keys.push_back(std::string(key.section) + "/" + std::string(key.key));
  std::sort(english_keys.begin(), english_keys.end());
  // A word with letters that only the right code page gives.
  const std::pair<std::string_view, const char*> words[] = {
      {"ENG", "Cancel"},    {"HUN", "Bővített"},  {"RUS", "Отмена"}, {"DUT", "Annuleren"},
      {"ESP", "Añadir"},    {"DEU", "Schließen"}, {"DAN", "Næste"},  {"CHN", "取消"},
      {"UKR", "Скасувати"}, {"KOR", "취소"}};
  IconvCodePage code_page;
  for (const auto& [id, word] : words) {
    SCOPED_TRACE(std::string(id));
    const auto language =
        std::find_if(kBuiltInLanguages.begin(), kBuiltInLanguages.end(),
                     [key = id](const BuiltInLanguage& l) { return l.id == key; });
    const std::string bytes = ReadSourceFile(id);
    bool lost = false;
    const std::string text = code_page.Utf8FromCodePage(bytes, language->code_page, &lost);
    EXPECT_FALSE(lost || bytes.empty()) << "not saved in code page " << language->code_page;
    EXPECT_NE(text.find(word), std::string::npos);
    FakeResources resources;
    resources.Add(LanguageResourceName(id), bytes);
    const LanguageTable table = LoadBuiltInLanguage(resources, &code_page, std::string(id));
    std::vector<std::string> keys;
    for (const std::string& section : table.SectionNames())
      for (const std::string& key : table.KeyNames(section)) keys.push_back(section + "/" + key);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, english_keys);
    EXPECT_EQ(AsciiUpperCase(table.ShortId()), id);
  }
}
#endif

}  // namespace
}  // namespace kestrix
