#include "platform/win32/font_charset_win32.h"

#include <gtest/gtest.h>

#include "settings/language_table.h"

namespace kestrix {
namespace {

TEST(FontCharsetWin32, CopyKeepsTheFaceAndTakesEachLanguageCharset) {
  const HFONT base = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA base_description{};
  ASSERT_EQ(GetObjectA(base, sizeof base_description, &base_description),
            static_cast<int>(sizeof base_description));
  for (const BuiltInLanguage& language : kBuiltInLanguages) {
    const int charset = FontCharsetFor(LanguageResourceName(language.id));
    HFONT font = CreateFontWithCharset(base, charset);
    ASSERT_NE(font, nullptr) << language.id;
    EXPECT_EQ(FontCharset(font), charset) << language.id;
    LOGFONTA description{};
    GetObjectA(font, sizeof description, &description);
    EXPECT_STREQ(description.lfFaceName, base_description.lfFaceName);
    EXPECT_EQ(description.lfHeight, base_description.lfHeight);
    DeleteObject(font);
  }
}

TEST(FontCharsetWin32, NullFontMeansTheGuiFontAndBadHandlesFail) {
  HFONT font = CreateFontWithCharset(nullptr, 204);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(FontCharset(font), 204);
  DeleteObject(font);
  EXPECT_EQ(FontCharset(reinterpret_cast<HFONT>(GetStockObject(BLACK_BRUSH))), -1);
}

}  // namespace
}  // namespace kestrix
