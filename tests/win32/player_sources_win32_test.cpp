// The AIMP record read through the real named mapping.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "names/player_sources.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/shared_memory_win32.h"

namespace kestrix {
namespace {

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
  // A length running past the mapped bytes is bounded by them.
  mapping.SetLength(5, 0x7FFFFFFF);
  EXPECT_EQ(AimpSource(memory, locale), "Artist - Title");
}

}  // namespace
}  // namespace kestrix
