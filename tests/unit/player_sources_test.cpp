#include "names/player_sources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "fakes/fake_clock.h"
#include "fakes/fake_shared_memory.h"
#include "fakes/fake_window_system.h"

namespace kestrix {
namespace {

// An AIMP record of `size` bytes: six lengths from offset 40, texts from 88.
std::vector<uint8_t> AimpRecord(const std::u16string texts[6], const int32_t lengths[6],
                                size_t size = kAimpRecordBytes) {
  std::vector<uint8_t> record(size, 0);
  for (int i = 0; i < 6; ++i) {
    uint32_t value = static_cast<uint32_t>(lengths[i]);
    for (int b = 0; b < 4; ++b) record[40 + 4 * i + b] = static_cast<uint8_t>(value >> (8 * b));
  }
  size_t cursor = 88;
  for (int i = 0; i < 6; ++i) {
    for (char16_t unit : texts[i]) {
      if (cursor + 2 > record.size()) break;
      record[cursor++] = static_cast<uint8_t>(unit & 0xFF);
      record[cursor++] = static_cast<uint8_t>(unit >> 8);
    }
  }
  return record;
}

std::vector<uint8_t> AimpRecord(const std::u16string& artist, const std::u16string& title) {
  const std::u16string texts[6] = {u"Album", artist, u"2024", u"C:\\a.mp3", u"Rock", title};
  int32_t lengths[6];
  for (int i = 0; i < 6; ++i) lengths[i] = static_cast<int32_t>(texts[i].size());
  return AimpRecord(texts, lengths);
}

TEST(PlayerSources, WinampTitleDropsNumberAndSuffix) {
  struct Case {
    const char* title;
    const char* value;
  };
  const Case cases[] = {
      {"12. Artist - Song - Winamp", "Artist - Song"},
      {"  12. Artist - Song - Winamp  ", "Artist - Song"},
      {"Artist - Song - Winamp", "rtist - Song"},  // no ". ": the first character goes
      {"Winamp", ""},
      {"", ""},
      {"xyz", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(WinampTitleValue(c.title), c.value) << c.title;
}

TEST(PlayerSources, KmPlayerTitleCutsAtTheGluedParenthesis) {
  struct Case {
    const char* title;
    const char* value;
  };
  const Case cases[] = {
      {"[3/10] Song(03:25)", "Song"},
      // A blank before "(": no cut point, the ":" of the time counts as a drive separator.
      {"[3/10] Song (03:25)", "25)"},
      {"[1/2] A(b)(c)", "A(b)"},  // the last glued "(" wins
      {"xSong(1)", "Song"},       // no "]": the first character goes
      {"[1/1] C:\\Music\\track.mp3", "track"},
      {"[1/1] (x)", "(x)"},  // "(" at position 1 has no left neighbour
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(KmPlayerTitleValue(c.title), c.value) << c.title;
}

TEST(PlayerSources, VlcTitleKeepsTheNameBeforeTheMarker) {
  EXPECT_EQ(VlcTitleValue("clip.avi - VLC media player"), "clip");
  EXPECT_EQ(VlcTitleValue("D:\\Video\\my.clip.avi - VLC media player"), "my.clip");
  // Without an extension the "-" kept with the marker stays.
  EXPECT_EQ(VlcTitleValue("clip - VLC media player"), "clip -");
  EXPECT_EQ(VlcTitleValue("VLC media player"), "");
}

TEST(PlayerSources, VlcNeedsTheHostAndTakesTheFirstMatchInZOrder) {
  FakeWindowSystem windows;
  windows.Add(0, "Other", "clip.avi - vlc media player");  // case-sensitive marker
  windows.Add(0, "QWidget", "first.mkv - VLC media player");
  windows.Add(0, "QWidget", "second.mkv - VLC media player");
  EXPECT_EQ(VlcSource(windows), "");  // host not running: the walk finds nothing
  windows.Add(0, "TTOTAL_CMD", "Total Commander");
  EXPECT_EQ(VlcSource(windows), "first");
}

TEST(PlayerSources, TitleMatchLooksAtTheFirst254CharactersOnly) {
  FakeWindowSystem windows;
  windows.Add(0, "TTOTAL_CMD", "");
  windows.Add(0, "QWidget", std::string(250, 'x') + ".avi - VLC media player");
  EXPECT_EQ(VlcSource(windows), "");
  windows.Add(0, "QWidget", std::string(240, 'y') + ".avi - VLC media player");
  EXPECT_EQ(VlcSource(windows), std::string(240, 'y'));
}

TEST(PlayerSources, WinampAndKmPlayerReadTheirWindowsByClass) {
  FakeWindowSystem windows;
  EXPECT_EQ(WinampSource(windows), "");
  EXPECT_EQ(KmPlayerSource(windows), "");
  windows.Add(0, "Winamp v1.x", "3. Band - Tune - Winamp");
  windows.Add(0, "Winamp PE", "[2/9] Movie(01:00)");
  EXPECT_EQ(WinampSource(windows), "Band - Tune");
  EXPECT_EQ(KmPlayerSource(windows), "Movie");
}

TEST(PlayerSources, WindowTextIsReadWithA255CharacterBuffer) {
  FakeWindowSystem windows;
  WindowHandle winamp = windows.Add(0, "Winamp v1.x", "");
  windows.Get(winamp).text = "1. " + std::string(300, 'a') + " - Winamp";
  // The 254 characters that fit hold no " - Winamp" any more; only what fits is parsed.
  std::optional<std::string> text = WindowTextOfClass(windows, "Winamp v1.x");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->size(), kTitleChars);
  EXPECT_EQ(WinampSource(windows), std::string(254 - 3 - 9, 'a'));
}

FakeWindowSystem::CopyDataHandler WriteReply(const std::string& reply, uintptr_t* seen_id,
                                             uint32_t* seen_length, WindowHandle* seen_sender) {
  return [=](WindowHandle reply_to, uintptr_t dw_data, const void* data, uint32_t cb_data) {
    *seen_id = dw_data;
    *seen_length = cb_data;
    *seen_sender = reply_to;
    char* buffer = nullptr;
    std::memcpy(&buffer, data, sizeof buffer);
    std::memcpy(buffer, reply.data(), reply.size());
    return intptr_t{1};
  };
}

TEST(PlayerSources, BsPlayerAnswersTheFileNameRequest) {
  FakeWindowSystem windows;
  EXPECT_EQ(BsPlayerSource(windows, 0x42), "");
  WindowHandle player = windows.Add(0, "BSPlayer", "BS.Player");
  uintptr_t id = 0;
  uint32_t length = 0;
  WindowHandle sender = 0;
  windows.Get(player).copy_data =
      WriteReply(std::string(" C:\\Movies\\holiday.2024.mkv \0", 29), &id, &length, &sender);
  EXPECT_EQ(BsPlayerSource(windows, 0x42), "holiday.2024");
  EXPECT_EQ(id, 0x1010Bu);
  EXPECT_EQ(length, 4u);
  EXPECT_EQ(sender, WindowHandle{0x42});
}

TEST(PlayerSources, CopyDataReplyWithoutTerminatingZeroStaysInTheBuffer) {
  FakeWindowSystem windows;
  WindowHandle player = windows.Add(0, "BSPlayer", "");
  uintptr_t id = 0;
  uint32_t length = 0;
  WindowHandle sender = 0;
  windows.Get(player).copy_data =
      WriteReply(std::string(kCopyDataReceiveBytes, 'z'), &id, &length, &sender);
  std::string text = RequestCopyDataText(windows, player, 0, 1, 4);
  EXPECT_EQ(text, std::string(kCopyDataReceiveBytes, 'z'));
}

TEST(PlayerSources, CopyDataBlockIsNeverShorterThanItsStatedLength) {
  FakeWindowSystem windows;
  WindowHandle target = windows.Add(0, "App", "");
  uint32_t stated = 0;
  windows.Get(target).copy_data = [&](WindowHandle, uintptr_t, const void* data, uint32_t cb) {
    stated = cb;
    // Reads every byte the record claims, as the window system copies them.
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    unsigned sum = 0;
    for (uint32_t i = 0; i < cb; ++i) sum += bytes[i];
    return static_cast<intptr_t>(sum != 0);
  };
  EXPECT_EQ(RequestCopyDataText(windows, target, 0, 7, 1000), "");
  EXPECT_EQ(stated, 1000u);
  EXPECT_EQ(RequestCopyDataText(windows, target, 0, 7, 0), "");
  EXPECT_EQ(stated, 0u);
}

TEST(PlayerSources, AimpRecordGivesArtistAndTitle) {
  FakeLocale locale;
  FakeSharedMemory memory;
  EXPECT_EQ(AimpSource(memory, locale), "");  // not running
  memory.mappings[kAimpMappingName] = AimpRecord(u"Artist", u"Song");
  EXPECT_EQ(AimpSource(memory, locale), "Artist - Song");
  memory.mappings[kAimpMappingName] = AimpRecord(u"", u"");
  EXPECT_EQ(AimpSource(memory, locale), "-");
  memory.mappings[kAimpMappingName] = AimpRecord(u"  Caf\u00e9 ", u"\u4e2d ");
  EXPECT_EQ(AimpSource(memory, locale), "Caf\xE9  - ?");
}

TEST(PlayerSources, AimpLengthsAreBoundedByTheRecord) {
  FakeLocale locale;
  struct Case {
    int32_t lengths[6];
    const char* value;
  };
  const std::u16string texts[6] = {u"", u"Artist", u"", u"", u"", u"Title"};
  const Case cases[] = {
      {{0, 6, 0, 0, 0, 5}, "Artist - Title"},
      // A negative length counts as none.
      {{-1000, 6, 0, 0, 0, 5}, "Artist - Title"},
      {{0, 6, -5, 0, 0, 5}, "Artist - Title"},
      {{0, -2147483647 - 1, 0, 0, 0, 5}, " - Artis"},
      // Lengths past the 2048 bytes are cut where the record ends.
      {{0, 6, 0, 0, 0, 2147483647}, nullptr},
      {{2147483647, 6, 0, 0, 0, 5}, " - "},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> record = AimpRecord(texts, c.lengths);
    std::string value = AimpRecordText(record, locale);
    if (c.value) {
      EXPECT_EQ(value, c.value);
    } else {
      // The title runs to the record's end: (2048 - 88) / 2 - 6 code units.
      EXPECT_EQ(value.size(), std::string("Artist - ").size() + (2048 - 88) / 2 - 6);
      EXPECT_EQ(value.substr(0, 14), "Artist - Title");
    }
  }
}

TEST(PlayerSources, AimpRecordShorterThanItsHeaderGivesDashOnly) {
  FakeLocale locale;
  std::vector<uint8_t> tiny(30, 0xFF);
  EXPECT_EQ(AimpRecordText(tiny, locale), " - ");
  std::vector<uint8_t> odd(89, 0);
  odd[44] = 1;  // one artist unit, but only one byte left
  EXPECT_EQ(AimpRecordText(odd, locale), " - ");
}

TEST(PlayerSources, ArbitraryRecordsAndTitlesStayInBounds) {
  FakeLocale locale;
  std::mt19937 random(20240305);
  std::uniform_int_distribution<int> byte(0, 255);
  const char alphabet[] = "Winamp ()[]:.\\-VLC 0123456789";
  for (int round = 0; round < 2000; ++round) {
    std::vector<uint8_t> record(static_cast<size_t>(random() % (kAimpRecordBytes + 1)));
    for (uint8_t& b : record) b = static_cast<uint8_t>(byte(random));
    std::string value = AimpRecordText(record, locale);
    size_t units = record.size() > 88 ? (record.size() - 88) / 2 : 0;
    EXPECT_LE(value.size(), units + 3);

    std::string title(static_cast<size_t>(random() % 40), ' ');
    for (char& c : title) c = alphabet[random() % (sizeof alphabet - 1)];
    EXPECT_LE(WinampTitleValue(title).size(), title.size()) << title;
    EXPECT_LE(KmPlayerTitleValue(title).size(), title.size()) << title;
    EXPECT_LE(VlcTitleValue(title).size(), title.size()) << title;
  }
}

}  // namespace
}  // namespace kestrix
