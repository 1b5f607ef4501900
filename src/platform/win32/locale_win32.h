#pragma once
#include "platform/locale.h"

namespace kestrix {

// Names from GetLocaleInfoW for the user's default locale, in UTF-8.
class Win32Locale : public Locale {
 public:
  std::string ShortDayName(int iso_day) override;
  std::string LongDayName(int iso_day) override;
  std::string ShortMonthName(int month) override;
  std::string LongMonthName(int month) override;
  std::string FromUtf16(const std::u16string& text) override;
};

}  // namespace kestrix
