#include "platform/win32/font_charset_win32.h"

#include <gtest/gtest.h>

#include "settings/language_table.h"

namespace kestrix {
namespace {

TEST(FontCharsetWin32, CopyKeepsTheFaceAndTakesEachLanguageCharset) {
  LOGFONTA gui{};
  ASSERT_TRUE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui));
  for (const BuiltInLanguage& language : kBuiltInLanguages) {
    const int charset = FontCharsetFor(LanguageResourceName(language.id));
    // No base font means the GUI font.
    HFONT font = CreateFontWithCharset(nullptr, charset);
    ASSERT_NE(font, nullptr) << language.id;
    EXPECT_EQ(FontCharset(font), charset) << language.id;
    LOGFONTA description{};
    GetObjectA(font, sizeof description, &description);
    EXPECT_STREQ(description.lfFaceName, gui.lfFaceName);
    EXPECT_EQ(description.lfHeight, gui.lfHeight);
    DeleteObject(font);
  }
  EXPECT_EQ(FontCharset(reinterpret_cast<HFONT>(GetStockObject(BLACK_BRUSH))), -1);
}

}  // namespace
}  // namespace kestrix
