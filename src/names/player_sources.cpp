#include "names/player_sources.h"

#include <algorithm>
#include <cstring>

#include "base/text_utils.h"
#include "base/utf8.h"
#include "names/variable_error.h"

namespace kestrix {

namespace {

std::string CopyFrom(std::string_view text, int64_t start) {
  return CopyChars(text, start, static_cast<int64_t>(text.size()));
}

// 1-based position of the first occurrence, 0 when absent.
int64_t Pos(std::string_view needle, std::string_view text) {
  size_t at = text.find(needle);
  return at == std::string_view::npos ? 0 : static_cast<int64_t>(at) + 1;
}

bool IsKmPlayerNeighbour(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ']' ||
         c == ')';
}

int32_t ReadInt32(const std::vector<uint8_t>& bytes, size_t offset) {
  if (offset + 4 > bytes.size()) return 0;
  uint32_t value = static_cast<uint32_t>(bytes[offset]) |
                   (static_cast<uint32_t>(bytes[offset + 1]) << 8) |
                   (static_cast<uint32_t>(bytes[offset + 2]) << 16) |
                   (static_cast<uint32_t>(bytes[offset + 3]) << 24);
  return static_cast<int32_t>(value);
}

}  // namespace

std::string WinampTitleValue(std::string_view title) {
  std::string text = Trim(title);
  // Drops the " - Winamp" the player appends: the last letter of "Winamp" ends it.
  size_t last = text.find_last_of("Winamp");
  int64_t p = last == std::string::npos ? 0 : static_cast<int64_t>(last) + 1;
  text = CopyChars(text, 1, p - 9);
  // Drops the playlist number "N. ".
  return CopyFrom(text, Pos(". ", text) + 2);
}

std::string KmPlayerTitleValue(std::string_view title) {
  std::string text = Trim(title);
  text = CopyFrom(text, Pos("]", text) + 2);
  // The last "(" glued to the name on both sides starts the playing time.
  for (size_t k = text.size() >= 2 ? text.size() - 1 : 0; k >= 2; --k) {
    if (text[k - 1] == '(' && IsKmPlayerNeighbour(text[k - 2]) && IsKmPlayerNeighbour(text[k]))
      return Trim(text.substr(0, k - 1));
  }
  return Trim(FileNameWithoutExtension(text));
}

std::string VlcTitleValue(std::string_view title) {
  int64_t at = Pos("- VLC", title);
  if (at == 0) return {};
  std::string text = Trim(CopyChars(title, 1, at));
  return Trim(FileNameWithoutExtension(text));
}

std::string BsPlayerPathValue(std::string_view path) {
  return FileNameWithoutExtension(Trim(path));
}

std::string AimpRecordText(const std::vector<uint8_t>& record, Locale& locale) {
  constexpr size_t kFirstLength = 40;
  constexpr size_t kTexts = 88;
  constexpr int kArtist = 1, kTitle = 5;
  std::u16string texts[6];
  size_t cursor = kTexts;
  for (int i = 0; i < 6; ++i) {
    int64_t units = std::max<int32_t>(0, ReadInt32(record, kFirstLength + 4 * i));
    size_t available = cursor < record.size() ? (record.size() - cursor) / 2 : 0;
    size_t take = static_cast<size_t>(std::min<int64_t>(units, static_cast<int64_t>(available)));
    for (size_t u = 0; u < take; ++u, cursor += 2)
      texts[i].push_back(static_cast<char16_t>(record[cursor] | (record[cursor + 1] << 8)));
  }
  return locale.FromUtf16(texts[kArtist]) + " - " + locale.FromUtf16(texts[kTitle]);
}

std::optional<std::string> WindowTextOfClass(WindowSystem& windows, const std::string& class_name) {
  WindowHandle window = windows.FindWindow(0, 0, class_name, std::nullopt);
  if (window == 0) return std::nullopt;
  return windows.SendGetTextWithin(window, kTitleChars, kPlayerReplyMs);
}

std::optional<std::vector<unsigned char>> AddressBlock(uint64_t address, uint32_t cb_data) {
  if (cb_data > 0 && cb_data < 8 && (address >> (8 * cb_data)) != 0) return std::nullopt;
  std::vector<unsigned char> block(std::max<size_t>(cb_data, 8), 0);
  for (size_t i = 0; i < 8; ++i) block[i] = static_cast<unsigned char>(address >> (8 * i));
  return block;
}

std::string RequestCopyDataText(WindowSystem& windows, WindowHandle target, WindowHandle sender,
                                uint32_t dw_data, uint32_t cb_data, const std::string& variable) {
  AddressedBuffer receive = windows.ReceiveBuffer(kCopyDataReceiveBytes);
  std::optional<std::vector<unsigned char>> block =
      receive.bytes.empty() ? std::nullopt : AddressBlock(receive.address, cb_data);
  if (!block) throw VariableError(lng::errors::kCopyDataAddress, variable);
  std::fill(receive.bytes.begin(), receive.bytes.end(), '\0');
  // A receiver that does not answer in time leaves the buffer empty.
  windows.SendCopyDataBlock(target, sender, dw_data, block->data(), cb_data, kPlayerReplyMs);
  // The receiver may fill the whole buffer without a terminating zero.
  const void* zero = std::memchr(receive.bytes.data(), '\0', receive.bytes.size());
  size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - receive.bytes.data())
                       : receive.bytes.size();
  return std::string(receive.bytes.data(), length);
}

std::optional<WindowHandle> FindWindowByTitleFragment(WindowSystem& windows,
                                                      std::string_view fragment) {
  if (windows.FindWindow(0, 0, "TTOTAL_CMD", std::nullopt) == 0) return std::nullopt;
  for (WindowHandle window : windows.TopLevelWindows()) {
    std::string title = windows.GetWindowText(window);
    title = std::string(HeadOfUtf16Length(title, kTitleChars));
    if (title.find(fragment) != std::string::npos) return window;
  }
  return std::nullopt;
}

std::optional<std::string> ReadAimpRecord(SharedMemory& memory, Locale& locale,
                                          const std::string& mapping_name) {
  std::optional<std::vector<uint8_t>> record = memory.Read(mapping_name, kAimpRecordBytes);
  if (!record) return std::nullopt;
  return AimpRecordText(*record, locale);
}

std::string WinampSource(WindowSystem& windows) {
  std::optional<std::string> title = WindowTextOfClass(windows, "Winamp v1.x");
  return title ? WinampTitleValue(*title) : std::string();
}

std::string BsPlayerSource(WindowSystem& windows, WindowHandle application_window) {
  WindowHandle player = windows.FindWindow(0, 0, "BSPlayer", std::nullopt);
  if (player == 0) return {};
  return BsPlayerPathValue(
      RequestCopyDataText(windows, player, application_window, kBsPlayerGetFileName, 4, "{bsct}"));
}

std::string AimpSource(SharedMemory& memory, Locale& locale) {
  std::optional<std::string> text = ReadAimpRecord(memory, locale, kAimpMappingName);
  return text ? Trim(*text) : std::string();
}

std::string VlcSource(WindowSystem& windows) {
  std::optional<WindowHandle> window = FindWindowByTitleFragment(windows, "- VLC");
  if (!window) return {};
  return VlcTitleValue(windows.GetWindowText(*window));
}

std::string KmPlayerSource(WindowSystem& windows) {
  std::optional<std::string> title = WindowTextOfClass(windows, "Winamp PE");
  return title ? KmPlayerTitleValue(*title) : std::string();
}

}  // namespace kestrix
