#include "platform/win32/dialog_seams_win32.h"

#include "base/text_utils.h"
#include "platform/win32/wide_text.h"

namespace kestrix {

int Win32MessageBoxes::Show(const std::string& text, const std::string& caption, uint32_t flags) {
  // The box wraps only at blanks: a long path would widen it past the screen and lose both
  // its ends. Half the work area leaves room for the icon and the margins.
  RECT work = {0, 0, 1024, 768};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old_font = SelectObject(dc, font);
  const std::string shown =
      BreakLongRuns(text, (work.right - work.left) / 2, [dc](std::string_view piece) {
        const std::wstring wide = Wide(piece);
        SIZE size = {};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
      });
  SelectObject(dc, old_font);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return MessageBoxW(owner_, Wide(shown).c_str(), Wide(caption).c_str(), flags);
}

bool Win32ModifierKeys::IsDown(uint8_t virtual_key) {
  BYTE state[256] = {};
  if (!GetKeyboardState(state)) return false;
  return (state[virtual_key] & 0x80) != 0;
}

std::string Win32CodePage::FromWide(const std::u16string& text, bool* lost) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  // No best fit: a character the code page lacks must show as lost, not as a look-alike
  // ("А" as "A"). A UTF-8 system code page takes neither the flag nor the report.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* report = utf8 ? nullptr : &used_default;
  int bytes = WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0)
    WideCharToMultiByte(CP_ACP, flags, wide, length, result.data(), bytes, nullptr, report);
  if (used_default && lost != nullptr) *lost = true;
  if (utf8 && lost != nullptr && ToWide(result) != text) *lost = true;  // lone surrogates
  return result;
}

std::u16string Win32CodePage::WideFromCodePage(std::string_view bytes, unsigned code_page,
                                               bool* lost) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  // Bytes the code page does not define (a lead byte without its trail) fail the strict
  // conversion; the lenient one then gives the default character.
  DWORD flags = MB_ERR_INVALID_CHARS;
  int chars = MultiByteToWideChar(code_page, flags, bytes.data(), length, nullptr, 0);
  if (chars <= 0) {
    if (lost != nullptr) *lost = true;
    flags = 0;
    chars = MultiByteToWideChar(code_page, flags, bytes.data(), length, nullptr, 0);
  }
  std::u16string result(static_cast<size_t>(chars > 0 ? chars : 0), u'\0');
  if (chars > 0)
    MultiByteToWideChar(code_page, flags, bytes.data(), length,
                        reinterpret_cast<wchar_t*>(result.data()), chars);
  return result;
}

}  // namespace kestrix
