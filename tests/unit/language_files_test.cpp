// The ten built-in language files as the source tree holds them (what the resource script
// embeds): each decodes without a loss from the code page the program reads it in and then
// has exactly the English keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "base/text_utils.h"
#include "fakes/fake_resources.h"
#include "settings/language_keys.h"
#include "settings/language_table.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace kestrix {
namespace {

std::string ReadSourceFile(std::string_view id) {
  std::ifstream in(
      std::string(KESTRIX_SOURCE_DIR) + "/resources/lng/LNG_" + std::string(id) + ".ini",
      std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// The system's own tables for the code pages (iconv here, the platform under Wine), strict:
// a byte sequence the code page does not define is a loss.
class SystemCodePage : public CodePage {
 public:
  std::string FromWide(const std::u16string&, bool*) override { return {}; }
  std::u16string WideFromCodePage(std::string_view bytes, unsigned code_page, bool* lost) override {
#ifdef _WIN32
    std::u16string wide(bytes.size(), u'\0');
    const int n = MultiByteToWideChar(
        code_page, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
        reinterpret_cast<wchar_t*>(wide.data()), static_cast<int>(wide.size()));
    if (n <= 0) *lost = true;
    wide.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return wide;
#else
    iconv_t cd = iconv_open("UTF-16LE", ("CP" + std::to_string(code_page)).c_str());
    std::string out(bytes.size() * 2, '\0'), in(bytes);
    char *from = in.data(), *to = out.data();
    size_t left = in.size(), room = out.size();
    if (cd == reinterpret_cast<iconv_t>(-1) || iconv(cd, &from, &left, &to, &room) != 0)
      *lost = true;
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    out.resize(out.size() - room);
    return std::u16string(reinterpret_cast<const char16_t*>(out.data()), out.size() / 2);
#endif
  }
};

TEST(BuiltInLanguageFiles, DecodeWithoutALossAndHaveExactlyTheEnglishKeys) {
  std::vector<std::string> english_keys;
  for (const LanguageKey& key : lng::kAllKeys)
    english_keys.push_back(std::string(key.section) + "/" + std::string(key.key));
  std::sort(english_keys.begin(), english_keys.end());

  // A word of each window, as its translator wrote it.
  const std::pair<const char*, const char*> cancel[] = {
      {"ENG", "Cancel"},    {"HUN", "Mégse"},     {"RUS", "Отмена"},   {"DUT", "Annuleren"},
      {"ESP", "Cancelar"},  {"DEU", "Abbrechen"}, {"DAN", "Annuller"}, {"CHN", "取消"},
      {"UKR", "Скасувати"}, {"KOR", "취소"}};
  SystemCodePage code_page;
  for (const BuiltInLanguage& language : kBuiltInLanguages) {
    SCOPED_TRACE(std::string(language.id));
    const std::string bytes = ReadSourceFile(language.id);
    ASSERT_FALSE(bytes.empty()) << "no file";
    bool lost = false;
    code_page.Utf8FromCodePage(bytes, language.code_page, &lost);
    EXPECT_FALSE(lost) << "not saved in code page " << language.code_page;

    FakeResources resources;
    resources.Add(LanguageResourceName(language.id), bytes);
    const LanguageTable table =
        LoadBuiltInLanguage(resources, &code_page, std::string(language.id));
    std::vector<std::string> keys;
    for (const std::string& section : table.SectionNames())
      for (const std::string& key : table.KeyNames(section)) keys.push_back(section + "/" + key);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, english_keys);
    EXPECT_EQ(AsciiUpperCase(table.ShortId()), language.id);
    const auto word = std::find_if(std::begin(cancel), std::end(cancel),
                                   [&](const auto& row) { return language.id == row.first; });
    EXPECT_EQ(table.Text(lng::buttons::kBtnCancel), word->second);
  }
}

}  // namespace
}  // namespace kestrix
