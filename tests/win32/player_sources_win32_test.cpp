#include <windows.h>
#undef FindWindow
#undef GetWindowText

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "names/player_sources.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/shared_memory_win32.h"
#include "platform/win32/window_system_win32.h"
#include "stand_in_window.h"

namespace kestrix {
namespace {

TEST(PlayerSourcesWin32, BsPlayerAnswersCopyData) {
  Win32WindowSystem windows;
  EXPECT_EQ(BsPlayerSource(windows, 0), "");
  StandInWindow player("BSPlayer", "BS.Player", BufferReply::Proc);
  StandInWindow app("KxAppWindow", "");
  BufferReply::reply = std::string("C:\\Movies\\holiday.mkv\0", 22);
  EXPECT_EQ(BsPlayerSource(windows, app.handle()), "holiday");
  EXPECT_EQ(BufferReply::request, ULONG_PTR{0x1010B});
  EXPECT_EQ(BufferReply::length, DWORD{4});
  // A reply filling the whole buffer without a terminating zero is read to its end only.
  BufferReply::reply = std::string(260, 'n');
  EXPECT_EQ(RequestCopyDataText(windows, player.handle(), app.handle(), 0x1010B, 4),
            std::string(260, 'n'));
}

class AimpMapping {
 public:
  explicit AimpMapping(DWORD size) {
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size,
                                  kAimpMappingName);
    if (mapping_ != nullptr) view_ = MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, size);
  }
  ~AimpMapping() {
    if (view_ != nullptr) UnmapViewOfFile(view_);
    if (mapping_ != nullptr) CloseHandle(mapping_);
  }
  uint8_t* bytes() { return static_cast<uint8_t*>(view_); }
  void SetLength(int field, int32_t units) { std::memcpy(bytes() + 40 + 4 * field, &units, 4); }

 private:
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
};

TEST(PlayerSourcesWin32, AimpRecordInTheNamedMapping) {
  Win32SharedMemory memory;
  Win32Locale locale;
  EXPECT_EQ(AimpSource(memory, locale), "");
  AimpMapping mapping(2048);
  ASSERT_NE(mapping.bytes(), nullptr);
  const std::u16string texts = u"AlbumArtist2024C:\\f.mp3RockTitle";
  const int32_t lengths[6] = {5, 6, 4, 8, 4, 5};
  for (int i = 0; i < 6; ++i) mapping.SetLength(i, lengths[i]);
  std::memcpy(mapping.bytes() + 88, texts.data(), texts.size() * 2);
  EXPECT_EQ(AimpSource(memory, locale), "Artist - Title");

  // Lengths running past the mapped bytes or negative are bounded.
  mapping.SetLength(0, -7);
  mapping.SetLength(5, 0x7FFFFFFF);
  // The album counts as empty, so the artist starts at the album's text; the title runs
  // to the end of the 2048 bytes, whose zeros the trim removes.
  EXPECT_EQ(AimpSource(memory, locale), "AlbumA - 3RockTitle");

  std::memset(mapping.bytes() + 40, 0, 24);
  EXPECT_EQ(AimpSource(memory, locale), "-");
}

TEST(PlayerSourcesWin32, AimpMappingSmallerThanTheRecordIsNeverOverread) {
  Win32SharedMemory memory;
  Win32Locale locale;
  AimpMapping mapping(100);
  ASSERT_NE(mapping.bytes(), nullptr);
  std::optional<std::vector<uint8_t>> bytes = memory.Read(kAimpMappingName, kAimpRecordBytes);
  // Either the view is refused or the whole page behind the small mapping is readable.
  if (bytes) {
    EXPECT_EQ(bytes->size(), kAimpRecordBytes);
  }
  std::string value = AimpSource(memory, locale);
  EXPECT_TRUE(value.empty() || value == "-") << value;
}

}  // namespace
}  // namespace kestrix
