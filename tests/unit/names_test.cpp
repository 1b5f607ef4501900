#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/text_utils.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_shared_memory.h"
#include "fakes/fake_system_facts.h"
#include "fakes/fake_window_system.h"
#include "names/date_tokens.h"
#include "names/intelligent_selection.h"
#include "names/new_application.h"
#include "names/player_sources.h"
#include "names/replacements.h"
#include "names/system_sources.h"
#include "names/template_list.h"
#include "names/template_manager.h"
#include "names/text_modifiers.h"
#include "names/user_apps.h"
#include "names/variable_error.h"
#include "names/variable_menu.h"

namespace kestrix {
namespace {

// ---- date_tokens
LocalDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                 int millisecond = 0) {
  return {year, month, day, hour, minute, second, millisecond};
}

std::string Expand(const char* text, const LocalDateTime& when) {
  FakeLocale locale;
  return ReplaceDateTokens(text, when, locale);
}

TEST(DateTokens, TwoDigitAndPlainForms) {
  const LocalDateTime when = At(2024, 3, 5, 9, 7, 5);
  EXPECT_EQ(Expand("%D.%N.%Y", when), "05.03.2024");
  EXPECT_EQ(Expand("%d.%n.%y", when), "5.3.24");
  // "%M" is the minute, "%N" the month.
  EXPECT_EQ(Expand("%H%M", when), "0907");
  EXPECT_EQ(Expand("%h:%m", when), "9:7");
  EXPECT_EQ(Expand("%s|%S", when), "5|05");
  EXPECT_EQ(Expand("%y", At(2007, 1, 1)), "07");
}

TEST(DateTokens, NamesComeFromTheLocale) {
  // 5 March 2024 was a Tuesday.
  EXPECT_EQ(Expand("%p %P %o %O", At(2024, 3, 5)), "Tue Tuesday Mar March");
}

TEST(DateTokens, DayOfYearCountsLeapDays) {
  struct Case {
    LocalDateTime when;
    const char* expected;
  };
  const Case cases[] = {
      {At(2024, 12, 31), "366"}, {At(2023, 12, 31), "365"}, {At(2000, 12, 31), "366"},
      {At(1900, 12, 31), "365"}, {At(2024, 1, 1), "1"},     {At(2024, 3, 1), "61"},
      {At(2024, 2, 29), "60"},   {At(2023, 2, 28), "59"},   {At(2000, 2, 1), "32"},
  };
  for (const Case& c : cases) EXPECT_EQ(Expand("%e", c.when), c.expected) << c.when.year;
}

TEST(DateTokens, IsoWeekBelongsToTheYearOfItsThursday) {
  struct Case {
    LocalDateTime when;
    const char* week;
  };
  const Case cases[] = {
      {At(2021, 1, 1), "53"},                             // a Friday: still the last week of 2020
      {At(2021, 1, 3), "53"},                             // Sunday of that week
      {At(2021, 1, 4), "1"},                              // the Monday after
      {At(2020, 12, 31), "53"}, {At(2024, 12, 30), "1"},  // a Monday whose Thursday is in 2025
      {At(2026, 1, 1), "1"},                              // a Thursday
      {At(2016, 1, 3), "53"},   {At(2018, 12, 31), "1"}, {At(2024, 3, 5), "10"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Expand("%W", c.when), c.week)
        << c.when.year << "-" << c.when.month << "-" << c.when.day;
}

TEST(DateTokens, IsoWeekdayAndQuarter) {
  EXPECT_EQ(Expand("%w", At(2024, 3, 10)), "7");  // Sunday
  EXPECT_EQ(Expand("%w", At(2024, 3, 4)), "1");   // Monday
  EXPECT_EQ(Expand("%w", At(1970, 1, 1)), "4");
  EXPECT_EQ(Expand("%w", At(1969, 12, 28)), "7");
  const char* quarters[] = {"1", "1", "1", "2", "2", "2", "3", "3", "3", "4", "4", "4"};
  for (int month = 1; month <= 12; ++month)
    EXPECT_EQ(Expand("%q", At(2024, month, 1)), quarters[month - 1]) << month;
}

TEST(DateTokens, UnixTimeRoundsHalfSecondsToEven) {
  struct Case {
    LocalDateTime when;
    const char* expected;
  };
  const Case cases[] = {
      {At(1970, 1, 1), "0"},
      {At(1970, 1, 1, 0, 0, 0, 499), "0"},
      {At(1970, 1, 1, 0, 0, 0, 500), "0"},  // tie, 0 is even
      {At(1970, 1, 1, 0, 0, 1, 500), "2"},  // tie, up to even
      {At(1970, 1, 1, 0, 0, 2, 500), "2"},  // tie, stays even
      {At(1970, 1, 1, 0, 0, 2, 501), "3"},
      {At(2024, 3, 5, 12, 0, 0), "1709640000"},
      {At(1969, 12, 31, 23, 59, 59), "-1"},
      // Past 2038 the value keeps counting instead of wrapping negative.
      {At(2040, 1, 1), "2208988800"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Expand("%x", c.when), c.expected) << c.when.year << " " << c.when.millisecond;
}

TEST(DateTokens, TokensAreCaseSensitiveAndReplacedInOrder) {
  const LocalDateTime when = At(2024, 3, 5, 9, 7, 5);
  // "%s" goes first, so "%sS" is the seconds followed by "S".
  EXPECT_EQ(Expand("%sS", when), "5S");
  // Unknown letters stay.
  EXPECT_EQ(Expand("%Z%%", when), "%Z%%");
  // An inserted value is never scanned by an earlier token: "%d" yields "5", and "%%d"
  // becomes "%5", which holds no later token.
  EXPECT_EQ(Expand("%%d", when), "%5");
  EXPECT_EQ(Expand("{date}", when), "{date}");
}

TEST(DateTokens, DateAndTimeVariablesUseHyphens) {
  const LocalDateTime when = At(2024, 3, 5, 9, 7, 5);
  EXPECT_EQ(FormatDateVariable(when), "2024-03-05");
  EXPECT_EQ(FormatTimeVariable(when), "09-07-05");
}

// ---- intelligent_selection
using Stops = std::vector<int>;

TEST(IntelligentSelection, WordStopsOfTheName) {
  struct Case {
    std::string text;
    std::optional<Stops> stops;
  };
  const Case cases[] = {
      {"New Folder (2024.03.05.)", Stops{4, 11, 17, 20, 23}},
      {"ab-c d-e", Stops{3, 5, 7}},
      {"a - b", Stops{2, 4}},
      {"a|b_c\\d/e", Stops{2, 4, 6, 8}},
      {"abc", Stops{0}},
      {"abc-", Stops{4}},  // the last character is no stop, but the last "-" is
      {"a b-", Stops{2, 4}},
      {"-ab", Stops{1}},
      {"a -bc", Stops{2, 3}},  // a "-" after a blank is no stop; as the last "-" it is one
      {"a -b-c", Stops{2, 5}},
      {"ab.", Stops{0}},
      {"x", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildWordStops(c.text), c.stops) << c.text;
}

TEST(IntelligentSelection, WordStopsOfThePath) {
  struct Case {
    std::string text;
    std::optional<Stops> stops;
  };
  const Case cases[] = {
      {"C:\\Work\\Proj\\", Stops{3, 8, 13}},
      {"d:\\a.b/c", Stops{3, 7}},
      {"d:/a", std::nullopt},  // "/" counts as a separator, not for the absolute test
      {"\\\\srv\\s", Stops{1, 2, 6}},
      {"Work\\x", std::nullopt},
      {"C", std::nullopt},
      {"  ", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildPathWordStops(c.text), c.stops) << c.text;
}

// Presses Ctrl+Tab `presses` times, starting with the caret at `caret`, and returns the
// selected texts; each press starts from the selection the previous one left.
std::vector<std::string> Walk(const std::string& text, SelectionField field, const Stops& stops,
                              std::size_t caret, int presses, WordCursor& cursor) {
  std::vector<std::string> selected;
  TextSelection current{caret, 0};
  for (int i = 0; i < presses; ++i) {
    const std::optional<TextSelection> next =
        IntelligentSelection(text, current, field, stops, cursor);
    if (!next) {
      selected.push_back("<none>");
      continue;
    }
    EXPECT_LE(next->start + next->length, text.size());
    selected.push_back(text.substr(next->start, next->length));
    current = *next;
  }
  return selected;
}

TEST(IntelligentSelection, WalksTheWordsOfATemplateName) {
  const std::string text = "New Folder (2024.03.05.)";
  WordCursor cursor;
  EXPECT_EQ(
      Walk(text, SelectionField::kName, *BuildWordStops(text), text.size(), 8, cursor),
      (std::vector<std::string>{"New", "Folder", "2024.03.05.", "03", "05", ")", "New", "Folder"}));
  EXPECT_EQ(cursor.next_word, 2);
}

TEST(IntelligentSelection, ANameWithoutSeparatorsIsSelectedWholeEveryTime) {
  WordCursor cursor;
  EXPECT_EQ(Walk("Name", SelectionField::kName, Stops{0}, 4, 4, cursor),
            (std::vector<std::string>{"Name", "Name", "Name", "Name"}));
}

TEST(IntelligentSelection, TheCaretPicksTheWordItStandsIn) {
  const std::string text = "New Folder (2024.03.05.)";
  const Stops stops = *BuildWordStops(text);
  struct Case {
    std::size_t caret;
    int cursor_before;
    std::string selected;
  };
  const Case cases[] = {
      {7, 5, "Folder"},                         // inside "Folder"
      {4, 0, "Folder"},                         // right after the blank
      {2, 4, "New"},                            // no separator before the caret
      {19, 0, "03"},    {0, 2, "2024.03.05."},  // a caret at the start keeps the cursor
  };
  for (const Case& c : cases) {
    WordCursor cursor{c.cursor_before};
    EXPECT_EQ(Walk(text, SelectionField::kName, stops, c.caret, 1, cursor)[0], c.selected)
        << c.caret;
  }
}

TEST(IntelligentSelection, SeparatorsThatAreNoStopRestartTheCursor) {
  // "|" is a stop but not a caret separator; "-" after a blank is neither.
  WordCursor cursor{3};
  EXPECT_EQ(Walk("ab|cd", SelectionField::kName, Stops{3}, 4, 1, cursor)[0], "ab");
  cursor.next_word = 3;
  EXPECT_EQ(Walk("a -bc", SelectionField::kName, Stops{2}, 4, 1, cursor)[0], "-bc");
}

TEST(IntelligentSelection, ThePathFieldSplitsOnlyAtSeparators) {
  const std::string path = "C:\\my.dir\\x";
  const Stops stops = *BuildPathWordStops(path);
  WordCursor cursor;
  EXPECT_EQ(Walk(path, SelectionField::kPath, stops, 7, 3, cursor),
            (std::vector<std::string>{"my.dir", "x", "C:"}));

  const std::string with_end = "C:\\Work\\Proj\\";
  cursor.next_word = 0;
  EXPECT_EQ(Walk(with_end, SelectionField::kPath, *BuildPathWordStops(with_end), 0, 5, cursor),
            // The empty word after the final "\\" cannot grow past the end: the caret goes there.
            (std::vector<std::string>{"C:", "Work", "Proj", "", "C:"}));
}

TEST(IntelligentSelection, Brackets) {
  struct Case {
    std::string text;
    std::vector<std::string> selected;
  };
  const Case cases[] = {
      // Starting over selects word 0 as it stands, brackets included.
      {"[tag] name", {"tag", "name", "[tag]"}},
      {"{x}", {"x", "x"}},
      {"a (b", {"a", "b"}},
      {"[(x)] y", {"x", "y"}},
      {"a []", {"a", "]"}},
      {"x)", {"x"}},
      {"(a b) c", {"a b", "b", "c"}},
  };
  for (const Case& c : cases) {
    WordCursor cursor;
    const Stops stops = *BuildWordStops(c.text);
    EXPECT_EQ(Walk(c.text, SelectionField::kName, stops, c.text.size(),
                   static_cast<int>(c.selected.size()), cursor),
              c.selected)
        << c.text;
  }
}

TEST(IntelligentSelection, AStopListThatDoesNotFitSelectsNothing) {
  const std::string text = "short";
  for (const Stops& stops : {Stops{}, Stops{2, 30}, Stops{6}}) {
    WordCursor cursor{1};
    EXPECT_EQ(IntelligentSelection(text, {0, 0}, SelectionField::kName, stops, cursor),
              std::nullopt);
    EXPECT_EQ(cursor.next_word, 1);
  }
}

TEST(IntelligentSelection, ADamagedListNeverSelectsOutsideTheText) {
  const std::string text = "abcdef";
  for (const Stops& stops : {Stops{5, 2}, Stops{-3, 4}, Stops{6, 6}, Stops{0, 0}}) {
    WordCursor cursor;
    for (int press = 0; press < 4; ++press) {
      const auto selection =
          IntelligentSelection(text, {text.size(), 0}, SelectionField::kName, stops, cursor);
      ASSERT_TRUE(selection.has_value());
      EXPECT_LE(selection->start + selection->length, text.size());
    }
  }
  WordCursor negative{-5};
  EXPECT_TRUE(IntelligentSelection(text, {6, 0}, SelectionField::kName, Stops{3}, negative));
  EXPECT_EQ(negative.next_word, 1);
}

// Every text of up to five characters from separators, brackets and a letter, with the
// caret at every place: repeated presses stay inside the text and keep the cursor in range.
TEST(IntelligentSelection, EveryShortTextStaysInBounds) {
  const std::string alphabet = " .-([)]x";
  std::vector<std::string> texts{""};
  for (std::size_t begin = 0; begin < texts.size(); ++begin) {
    if (texts[begin].size() == 5) continue;
    for (char c : alphabet) texts.push_back(texts[begin] + c);
  }
  for (const std::string& text : texts) {
    const Stops stops = BuildWordStops(text).value_or(Stops{0});
    for (std::size_t caret = 0; caret <= text.size(); ++caret) {
      WordCursor cursor;
      TextSelection current{caret, 0};
      for (int press = 0; press < 3; ++press) {
        const auto next = IntelligentSelection(text, current, SelectionField::kName, stops, cursor);
        ASSERT_TRUE(next.has_value()) << text;
        ASSERT_LE(next->start + next->length, text.size()) << text;
        ASSERT_GE(cursor.next_word, 1) << text;
        ASSERT_LE(cursor.next_word, static_cast<int>(stops.size()) + 1) << text;
        current = *next;
      }
    }
  }
}

// ---- player_sources
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

TEST(PlayerSources, WinampAndKmPlayerReadTheirWindowsByClass) {
  FakeWindowSystem windows;
  EXPECT_EQ(WinampSource(windows), "");
  EXPECT_EQ(KmPlayerSource(windows), "");
  windows.Add(0, "Winamp v1.x", "3. Band - Tune - Winamp");
  windows.Add(0, "Winamp PE", "[2/9] Movie(01:00)");
  EXPECT_EQ(WinampSource(windows), "Band - Tune");
  EXPECT_EQ(KmPlayerSource(windows), "Movie");
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

// ---- replacements
class ReplacementsTest : public ::testing::Test {
 protected:
  ReplacementsTest() {
    clock.now = {2024, 3, 5, 9, 7, 5, 0};
    clock.ticks = 9000;
  }

  std::string Expand(const std::string& text, const std::vector<std::string>& ids = {}) {
    return Replacements(text, platform, ids);
  }

  void AddApp(const std::string& id, const std::string& content) {
    files.AddFile(UserAppFileName(platform.program_dir, id), content);
  }

  FakeClock clock;
  FakeLocale locale;
  FakeEnvironment environment;
  FakeSystemFacts system;
  FakeWindowSystem windows;
  FakeSharedMemory memory;
  FakeFileSystem files;
  VariablePlatform platform{clock,  locale, environment,     system, windows,
                            memory, files,  "C:\\Kestrix\\", 0x99};
};

TEST_F(ReplacementsTest, EnvironmentFirstThenTheWholeTextIsTrimmed) {
  environment.Set("Project", "  Apollo");
  EXPECT_EQ(Expand("%PROJECT%\\%Y  "), "Apollo\\2024");
  EXPECT_EQ(Expand("   plain name   "), "plain name");
  // An environment value holding a token is expanded by the later steps.
  environment.Set("WHO", "{un}");
  environment.Set("STAMP", "%D");
  EXPECT_EQ(Expand("%who%-%stamp%"), "tester-05");
}

TEST_F(ReplacementsTest, UndefinedEnvironmentReferenceStaysAsTyped) {
  EXPECT_EQ(Expand("%ZZZ%"), "%ZZZ%");
  EXPECT_EQ(Expand("a%ZZ%b%Z"), "a%ZZ%b%Z");
  // The closing "%" of an undefined name may open a defined one; the date step must not
  // take "%U" out of a name the environment knows.
  environment.Set("USERNAME", "ann");
  EXPECT_EQ(Expand("%Y %USERNAME%"), "2024 ann");
  EXPECT_EQ(Expand("%Q%USERNAME%"), "%Qann");
  EXPECT_EQ(Expand("%username% 100%"), "ann 100%");
}

TEST_F(ReplacementsTest, OnlyTheExactDateTokenIsReplaced) {
  EXPECT_EQ(Expand("100%Done"), "10005one");
  EXPECT_EQ(Expand("100%done"), "1005one");
  EXPECT_EQ(Expand("%s%S"), "505");
}

TEST_F(ReplacementsTest, BraceTokensIgnoreCase) {
  EXPECT_EQ(Expand("{DATE}_{Time}"), "2024-03-05_09-07-05");
  EXPECT_EQ(Expand("{USER}{Usr}{uN}"), "testertestertester");
  EXPECT_EQ(Expand("{pc}|{os}|{wg}|{ut}|{at}|{ax}"),
            "KESTRIX-PC|Windows 10|WORKGROUP|00d00h00m09s|32|x86");
  EXPECT_EQ(Expand("{foo}%Z"), "{foo}%Z");
}

TEST_F(ReplacementsTest, SystemValuesAreTrimmedPlayerValuesAreNot) {
  system.user_name = "  tester  ";
  system.computer_name = " PC ";
  EXPECT_EQ(Expand("[{un}][{pc}]"), "[tester][PC]");
  windows.Add(0, "TTOTAL_CMD", "");
  windows.Add(0, "Winamp v1.x", "1.  Tune  - Winamp");
  EXPECT_EQ(Expand("[{wact}]"), "[ Tune ]");
}

TEST_F(ReplacementsTest, PlayersThatAreNotRunningGiveEmptyText) {
  EXPECT_EQ(Expand("a{wact}{bsct}{aict}{vlct}{kmct}b"), "ab");
}

TEST_F(ReplacementsTest, InsertedTextIsOnlyChangedByLaterSteps) {
  // A user name holding a date token stays: the date step ran before.
  system.user_name = "%Y";
  EXPECT_EQ(Expand("{un}"), "%Y");
  // A date value is never re-read as an environment reference.
  environment.Set("5", "five");
  EXPECT_EQ(Expand("%%d%"), "%5%");
}

TEST_F(ReplacementsTest, UserApplicationsAfterTheBuiltInTokens) {
  windows.Add(0, "Notes", "  memo.txt  ");
  AddApp("memo",
         "[Configuration]\r\nMethodNum=0\r\nWndClass=Notes\r\n"
         "[Additional]\r\nEnableTrim=True\r\nExtractFN=True\r\nRemoveExt=True\r\n");
  AddApp("aict", "[Configuration]\r\nWndClass=Notes\r\n");
  EXPECT_EQ(Expand("{MEMO}-{memo}", {"memo"}), "memo-memo");
  // Not listed: the token stays.
  EXPECT_EQ(Expand("{memo}"), "{memo}");
  // A user identifier equal to a built-in one never gets its token.
  EXPECT_EQ(Expand("[{AICT}]", {"aict"}), "[]");
  // A window that is missing gives "-", kept when nothing cuts it.
  windows.Remove(windows.FindWindow(0, 0, "Notes", std::nullopt));
  EXPECT_EQ(Expand("{memo}", {"memo"}), "-");
}

TEST_F(ReplacementsTest, BadDwDataStopsTheExpansionWithAMessage) {
  windows.Add(0, "Target", "");
  AddApp("bad", "[Configuration]\r\nMethodNum=2\r\nWndClass=Target\r\ndwData=1x\r\n");
  EXPECT_THROW(Expand("{bad}", {"bad"}), VariableError);
  // A failing source stops only a text that uses it.
  EXPECT_EQ(Expand("{pc}", {"bad"}), "KESTRIX-PC");
  system.wow64 = {true, false, false, 5};
  EXPECT_EQ(Expand("{pc}"), "KESTRIX-PC");
  EXPECT_THROW(Expand("{at}"), VariableError);
  // The preview keeps the switch and its caption; the error is handed back.
  AutoEnableOutcome outcome = AutoEnableReplacements("{bad}", "{bad}", {}, platform, {"bad"});
  EXPECT_EQ(outcome.option, AutoEnableOutcome::Option::kCheck);
  EXPECT_FALSE(outcome.caption.has_value());
  EXPECT_TRUE(outcome.error.has_value());
  // The application is evaluated only when its token occurs.
  EXPECT_EQ(Expand("%Y", {"bad"}), "2024");
}

TEST_F(ReplacementsTest, DetectionIgnoresCaseAndUsesLowerCaseDateLetters) {
  environment.Set("HOME", "C:\\Users\\me");
  struct Case {
    const char* text;
    bool holds;
  };
  const Case cases[] = {
      {"plain", false}, {"100%Done", true}, {"%Y", true},      {"%M", true},     {"%S", true},
      {"%W", true},     {"%Z", false},      {"%ZZZ%", false},  {"{DATE}", true}, {"{KmCt}", true},
      {"{foo}", false}, {"x%home%y", true}, {"%HOMEX%", true},  // "%H" is a date letter
      {"%Hxme%", true}, {"{memo}", true},   {"%%", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HoldsVariables(c.text, environment, {"memo"}), c.holds) << c.text;
  EXPECT_FALSE(HoldsVariables("{memo}", environment, {}));
}

TEST_F(ReplacementsTest, DetectionOfEnvironmentNamesWithoutDateLetters) {
  environment.Set("ZONE", "x");
  EXPECT_TRUE(HoldsVariables("in %Zone% here", environment, {}));
  EXPECT_FALSE(HoldsVariables("in %Zones% here", environment, {}));
  environment.Unset("ZONE");
  EXPECT_FALSE(HoldsVariables("in %Zone% here", environment, {}));
}

TEST_F(ReplacementsTest, EnvironmentListDropsHiddenEntries) {
  environment.Set("=C:", "C:\\Work");
  environment.Set("PATH", "C:\\Windows");
  environment.Set("TEMP", "C:\\Temp");
  EXPECT_EQ(EnvironmentList(environment, true), (std::vector<std::string>{"%PATH%", "%TEMP%"}));
  std::vector<std::string> whole = EnvironmentList(environment, false);
  EXPECT_EQ(whole.size(), 3u);
  EXPECT_NE(std::find(whole.begin(), whole.end(), "PATH=C:\\Windows"), whole.end());
}

TEST_F(ReplacementsTest, AutoEnableChecksStartsAndExpands) {
  struct Case {
    AutoEnableState state;
    const char* text;
    AutoEnableOutcome::Option option;
    AutoEnableOutcome::Timer timer;
    bool expands;
  };
  using O = AutoEnableOutcome::Option;
  using T = AutoEnableOutcome::Timer;
  const Case cases[] = {
      {{true, true, false}, "%Y", O::kCheck, T::kStart, true},
      {{true, true, true}, "%Y", O::kCheck, T::kUnchanged, true},    // Batch mode: no timer
      {{true, false, false}, "%Y", O::kCheck, T::kUnchanged, true},  // live preview off
      {{true, true, false}, "plain", O::kUncheck, T::kStop, false},
      {{true, false, false}, "plain", O::kUncheck, T::kUnchanged, false},
      {{true, true, false}, "%ZZZ%", O::kUncheck, T::kStop, false},
      {{false, true, false}, "%Y", O::kUnchanged, T::kUnchanged, false},  // not armed
  };
  for (const Case& c : cases) {
    AutoEnableOutcome outcome =
        AutoEnableReplacements(c.text, std::string(" ") + c.text, c.state, platform, {});
    EXPECT_EQ(outcome.option, c.option) << c.text;
    EXPECT_EQ(outcome.timer, c.timer) << c.text;
    EXPECT_EQ(outcome.caption.has_value(), c.expands) << c.text;
    if (outcome.caption) {
      EXPECT_EQ(*outcome.caption, "2024");
    }
  }
}

class PreviewCleanupTest : public ::testing::Test {
 protected:
  std::string Clean(const std::string& text) {
    return ReplaceInvalidCharInPreview(text, settings, environment);
  }
  PreviewCleanupSettings settings;
  FakeEnvironment environment;
};

TEST_F(PreviewCleanupTest, UnchangedUnlessTheActionIsOne) {
  settings.invalid_char_action = InvalidCharAction::kWarn;
  EXPECT_EQ(Clean(" a?b:c* "), " a?b:c* ");
  settings.invalid_char_action = InvalidCharAction::kUnknown;
  EXPECT_EQ(Clean("a?b"), "a?b");
}

TEST_F(PreviewCleanupTest, ReplacesInvalidCharacters) {
  settings.invalid_char_action = InvalidCharAction::kReplace;
  settings.invalid_char_replace = "-";
  struct Case {
    const char* text;
    bool normal;
    const char* cleaned;
  };
  const Case cases[] = {
      {"a?b", true, "a-b"},
      {"a:b", true, "a-b"},
      {"C:\\Temp\\x:y", true, "C:\\Temp\\x:y"},  // an absolute path keeps every colon
      {"\\\\server\\share:x", true, "\\\\server\\share:x"},
      {"  c:\\Temp  ", true, "c:\\Temp"},
      {"say \"hi\" <b>", true, "say -hi- -b-"},
      {"a*b", true, "a-b"},
      {"a*b", false, "a*b"},  // Extended mode keeps "*"
      {"a\\b/c|d", true, "a\\b/c|d"},
  };
  for (const Case& c : cases) {
    settings.normal_mode = c.normal;
    EXPECT_EQ(Clean(c.text), c.cleaned) << c.text;
  }
}

TEST_F(PreviewCleanupTest, ReplacementHoldingAnInvalidCharacterFallsBackToUnderscore) {
  settings.invalid_char_action = InvalidCharAction::kReplace;
  for (const char* bad : {"<", "?", ":", "*", "\"", ">", "a>b"}) {
    settings.invalid_char_replace = bad;
    EXPECT_EQ(Clean("a?b"), "a_b") << bad;
  }
}

TEST_F(PreviewCleanupTest, ReplaceCharsKeysFirstThenEnvironment) {
  settings.invalid_char_action = InvalidCharAction::kReplace;
  settings.invalid_char_replace = "_";
  settings.replace_char_keys = {"&", "AND", "_", ""};
  std::vector<std::string> asked;
  settings.replace_char_value = [&](const std::string& key) {
    asked.push_back(key);
    return key == "&" ? std::string("and") : std::string("+");
  };
  environment.Set("DRIVE", "D:\\Data");
  // "&" -> "and"; then "AND" (any case) -> "+"; the key equal to R is skipped; the empty
  // key is ignored; then the environment is expanded and the colon kept.
  EXPECT_EQ(Clean("%DRIVE%\\Tom & Jerry"), "D:\\Data\\Tom + Jerry");
  EXPECT_EQ(asked, (std::vector<std::string>{"&", "AND"}));
  // A value missing from the settings file is "_".
  settings.replace_char_value = nullptr;
  EXPECT_EQ(Clean("a&b"), "a_b");
}

// ---- system_sources
TEST(SystemSources, UptimeTextPadsEachPartToTwoDigits) {
  struct Case {
    uint32_t ticks;
    const char* text;
  };
  const Case cases[] = {
      {9000, "00d00h00m09s"},
      {9999, "00d00h00m09s"},  // milliseconds dropped
      {0, "00d00h00m00s"},
      {2u * 86400000u + 5u * 3600000u + 7u * 60000u + 9000u, "02d05h07m09s"},
      {4294967295u, "49d17h02m47s"},  // the last tick before the count wraps
  };
  for (const Case& c : cases) EXPECT_EQ(UptimeText(c.ticks), c.text) << c.ticks;
}

TEST(SystemSources, OsNamesFollowTheReportedVersion) {
  struct Case {
    ReportedOsVersion reported;
    const char* name;
  };
  const Case cases[] = {
      {{1, 4, 10, 2222, " A "}, "Windows 98 SE"},
      {{1, 4, 10, 2222, "A"}, "Windows 98"},  // the second character decides
      {{1, 4, 20, 0, ""}, "Unknown"},
      {{2, 5, 2, 3790, ""}, "Unknown"},
      {{2, 10, 0, 19045, ""}, "Windows 10"},
      {{2, 10, 0, 22631, ""}, "Windows 11"},
      {{3, 6, 1, 0, ""}, "Unknown"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OsName(c.reported, std::nullopt), c.name)
        << c.reported.platform_id << " " << c.reported.major << "." << c.reported.minor;
  }
  EXPECT_EQ(OsName(std::nullopt, RealOsVersion{10, 0, 19045}), "Unknown");
}

TEST(SystemSources, ManifestLessSixTwoIsNamedFromTheRealVersion) {
  const ReportedOsVersion six_two{2, 6, 2, 9200, ""};
  EXPECT_EQ(OsName(six_two, std::nullopt), "Windows 8");
  EXPECT_EQ(OsName(six_two, RealOsVersion{6, 2, 9200}), "Windows 8");
  EXPECT_EQ(OsName(six_two, RealOsVersion{6, 3, 9600}), "Windows 8.1");
  EXPECT_EQ(OsName(six_two, RealOsVersion{10, 0, 19045}), "Windows 10");
  EXPECT_EQ(OsName(six_two, RealOsVersion{10, 0, 22000}), "Windows 11");
  // A compatibility mode that reports an older system keeps that system's name.
  EXPECT_EQ(OsName(ReportedOsVersion{2, 6, 1, 7601, ""}, RealOsVersion{10, 0, 22631}), "Windows 7");

  FakeSystemFacts facts;
  facts.reported_version = six_two;
  facts.real_version = RealOsVersion{10, 0, 22631};
  EXPECT_EQ(OsNameSource(facts), "Windows 11");
  facts.reported_version.reset();
  EXPECT_EQ(OsNameSource(facts), "Unknown");
}

TEST(SystemSources, WorkgroupOnlyOnTheNtFamily) {
  FakeSystemFacts facts;
  facts.workgroup = "OFFICE";
  EXPECT_EQ(WorkgroupSource(facts), "OFFICE");
  facts.workgroup.reset();
  EXPECT_EQ(WorkgroupSource(facts), "");
  facts.workgroup = "OFFICE";
  facts.reported_version = ReportedOsVersion{1, 4, 10, 0, ""};
  EXPECT_EQ(WorkgroupSource(facts), "");
}

TEST(SystemSources, NamesAreEmptyWhenTheCallFails) {
  FakeSystemFacts facts;
  facts.user_name.reset();
  facts.computer_name.reset();
  EXPECT_EQ(UserNameSource(facts), "");
  EXPECT_EQ(ComputerNameSource(facts), "");
}

TEST(SystemSources, ArchitectureFromProcessBitsAndWow64) {
  struct Case {
    bool process_64;
    Wow64Answer wow64;
    const char* bits;
    const char* name;
  };
  const Case cases[] = {
      {false, {true, true, false, 0}, "32", "x86"},    // 32-bit system
      {false, {true, true, true, 0}, "64", "x64"},     // 32-bit program on a 64-bit system
      {false, {false, false, false, 0}, "32", "x86"},  // no IsWow64Process: an old system
      {true, {true, true, false, 0}, "64", "x64"},     // a 64-bit program needs a 64-bit system
  };
  for (const Case& c : cases) {
    FakeSystemFacts facts;
    facts.is_64bit_process = c.process_64;
    facts.wow64 = c.wow64;
    EXPECT_EQ(ArchitectureBitsSource(facts), c.bits);
    EXPECT_EQ(ArchitectureNameSource(facts), c.name);
  }
}

TEST(SystemSources, FailingWow64QueryRaisesTheSystemError) {
  FakeSystemFacts facts;
  facts.wow64 = {true, false, false, 6};
  try {
    ArchitectureBitsSource(facts);
    FAIL() << "no error raised";
  } catch (const VariableError& error) {
    EXPECT_EQ(error.system_error(), 6u);
    EXPECT_NE(std::string(error.what()).find("6"), std::string::npos);
  }
}

TEST(ChooseTemplate, BuiltInUserOrNothing) {
  EnglishLanguageTable english;
  std::vector<BuiltInTemplate> t = BuiltInTemplates(english);
  TemplateChoice one = ChooseTemplate(t[0].caption, t);
  EXPECT_EQ(one.kind, TemplateChoice::Kind::kBuiltIn);
  EXPECT_EQ(one.built_in, 0u);
  EXPECT_EQ(ChooseTemplate("- no template selected -", t).kind, TemplateChoice::Kind::kNothing);
  // A user template named "1st" carries the tag of entry 1 but applies its own text.
  TemplateChoice first = ChooseTemplate(UserTemplateCaption("1st"), t);
  EXPECT_EQ(first.kind, TemplateChoice::Kind::kUser);
  EXPECT_EQ(first.user_name, "1st");
  EXPECT_EQ(UserTemplateCaption("1st"), "[1] - 1st");
  EXPECT_EQ(UserTemplateCaption("photos "), "[P] - photos");
}

TEST(TemplateIndexForKey, LastMatchOrNone) {
  std::vector<std::string> entries{"- no template selected -", "[1] - New Folder (%Y)",
                                   "[2] - New Folder (%D)", "[3] - Weekly_backup_%W",
                                   "[4] - Full date"};
  EXPECT_EQ(TemplateIndexForKey(entries, 'W'), 3u);
  EXPECT_EQ(TemplateIndexForKey(entries, 'N'), 2u);  // the last of two
  EXPECT_EQ(TemplateIndexForKey(entries, 'n'), 0u);  // case-sensitive
  EXPECT_EQ(TemplateIndexForKey(entries, 'Q'), 0u);
  EXPECT_EQ(TemplateIndexForKey({}, 'W'), 0u);
}

// ---- text_modifiers
TEST(TextModifiers, BlanksAndDots) {
  struct Case {
    std::string text, space_to_dot, space_to_dot_careful, dot_to_space_careful;
  };
  const Case cases[] = {
      {"My  new folder ", "My..new.folder.", "My  new.folder ", "My  new folder "},
      {"a.b...c.", "a.b...c.", "a.b...c.", "a b...c."},
      {" a", ".a", ".a", " a"},
      {".a", ".a", ".a", " a"},
      {"a b", "a.b", "a.b", "a b"},
      {" ", ".", " ", " "},
      {"", "", "", ""},
      {"a  ", "a..", "a  ", "a  "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpaceToDot(c.text), c.space_to_dot) << c.text;
    EXPECT_EQ(SpaceToDotCareful(c.text), c.space_to_dot_careful) << c.text;
    EXPECT_EQ(DotToSpaceCareful(c.text), c.dot_to_space_careful) << c.text;
  }
  EXPECT_EQ(DotToSpace("a.b...c."), "a b   c ");
}

TEST(TextModifiers, InvertCaseTouchesAsciiAndTheNineAccentedPairs) {
  const PortableCharCase char_case;
  EXPECT_EQ(InvertCase("Abc-\xC9"
                       "1",
                       char_case),
            "aBC-\xE9"
            "1");
  // a-umlaut, the multiplication sign and other accented letters stay.
  EXPECT_EQ(InvertCase("\xE4\xD7\xC4\xC0", char_case), "\xE4\xD7\xC4\xC0");
  const std::string upper = "\xC1\xC9\xCD\xD3\xD6\xD5\xDA\xDC\xDB";
  const std::string lower = "\xE1\xE9\xED\xF3\xF6\xF5\xFA\xFC\xFB";
  EXPECT_EQ(InvertCase(upper, char_case), lower);
  EXPECT_EQ(InvertCase(lower, char_case), upper);
  EXPECT_EQ(InvertCase("[AZ az@`{]", char_case), "[az AZ@`{]");
}

// Stands in for the locale: makes visible which conversion was asked for.
class MarkingCharCase : public CharCase {
 public:
  char ToUpper(char) const override { return 'U'; }
  char ToLower(char) const override { return 'l'; }
};

TEST(TextModifiers, InvertCaseUsesTheGivenCasingOnlyForItsLetters) {
  EXPECT_EQ(InvertCase("Ab1\xE1\xC1\xE4", MarkingCharCase()), "lU1Ul\xE4");
}

struct ModifierCase {
  const char* function;
  InputMode mode;
  bool intelli;
  std::string text, expected;
};

TEST(TextModifiers, ProcessTextModifierChoosesTheVariantByModeAndSetting) {
  const std::string spaces = "a  b c";
  const std::string dots = "a..b.c";
  const ModifierCase cases[] = {
      {"FNC_SpaceToDot", InputMode::kNormal, true, spaces, "a  b.c"},
      {"FNC_SpaceToDot", InputMode::kNormal, false, spaces, "a..b.c"},
      {"FNC_SpaceToDot", InputMode::kExtended, true, spaces, "a..b.c"},
      {"FNC_DotToSpace", InputMode::kNormal, true, dots, "a..b c"},
      {"FNC_DotToSpace", InputMode::kNormal, false, dots, "a  b c"},
      {"FNC_InvertCase", InputMode::kExtended, false, "Ab\r\ncD", "aB\r\nCd"},
      {"FNC_UserFnc1", InputMode::kNormal, true, spaces, spaces},
      {"", InputMode::kNormal, true, dots, dots},
  };
  const PortableCharCase char_case;
  for (const ModifierCase& c : cases) {
    const ModifiedText result =
        ProcessTextModifier(c.function, c.text, {0, 0}, c.mode, c.intelli, char_case);
    EXPECT_EQ(result.text, c.expected) << c.function << " " << c.text;
  }
}

TEST(TextModifiers, OnlyTheSelectionChangesAndItIsRestored) {
  const PortableCharCase char_case;
  // "b c" selected: the blank before it lies outside the selection.
  ModifiedText result =
      ProcessTextModifier("FNC_SpaceToDot", "a b c d", {2, 3}, InputMode::kNormal, true, char_case);
  EXPECT_EQ(result.text, "a b.c d");
  EXPECT_EQ(result.selection, (TextSelection{2, 3}));

  // A blank at the start of the selection counts as having no blank before it.
  result =
      ProcessTextModifier("FNC_SpaceToDot", "a b", {1, 2}, InputMode::kNormal, true, char_case);
  EXPECT_EQ(result.text, "a.b");

  // Nothing selected: the whole text changes and the caret stays without a selection.
  result = ProcessTextModifier("FNC_InvertCase", "New Folder", {4, 0}, InputMode::kNormal, true,
                               char_case);
  EXPECT_EQ(result.text, "nEW fOLDER");
  EXPECT_EQ(result.selection, (TextSelection{4, 0}));
}

TEST(TextModifiers, ASelectionBeyondTheTextIsCutToIt) {
  const PortableCharCase char_case;
  ModifiedText result =
      ProcessTextModifier("FNC_InvertCase", "abc", {50, 3}, InputMode::kNormal, true, char_case);
  EXPECT_EQ(result.text, "ABC");
  EXPECT_EQ(result.selection, (TextSelection{3, 0}));

  result =
      ProcessTextModifier("FNC_InvertCase", "abc", {1, 99}, InputMode::kNormal, true, char_case);
  EXPECT_EQ(result.text, "aBC");
  EXPECT_EQ(result.selection, (TextSelection{1, 2}));

  result = ProcessTextModifier("FNC_DotToSpace", "", {0, 0}, InputMode::kNormal, true, char_case);
  EXPECT_EQ(result.text, "");
}

// ---- text_utils
TEST(TextUtils, TrimRemovesBlanksAndControlCharactersOnBothEnds) {
  struct Case {
    std::string in, both, left, right;
  };
  const Case cases[] = {
      {"", "", "", ""},
      {"  a b  ", "a b", "a b  ", "  a b"},
      {"\t\r\na\x01", "a", "a\x01", "\t\r\na"},
      // Bytes above 127 are letters of the code page, never blanks.
      {"\xA0x\xE9", "\xA0x\xE9", "\xA0x\xE9", "\xA0x\xE9"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Trim(c.in), c.both) << c.in;
    EXPECT_EQ(TrimLeft(c.in), c.left) << c.in;
    EXPECT_EQ(TrimRight(c.in), c.right) << c.in;
    EXPECT_EQ(IsBlank(c.in), c.both.empty()) << c.in;
  }
}

TEST(TextUtils, FindIgnoreCaseFoldsAsciiOnly) {
  EXPECT_EQ(FindIgnoreCase("R&D and r&d", "R&D", 1), 8u);
  EXPECT_EQ(FindIgnoreCase("Hello", "LLO"), 2u);
  EXPECT_EQ(FindIgnoreCase("ab", "abc"), std::string::npos);
  EXPECT_EQ(FindIgnoreCase("abc", ""), std::string::npos);
  EXPECT_EQ(FindIgnoreCase("abc", "c", 5), std::string::npos);
  EXPECT_FALSE(ContainsIgnoreCase("\xC9", "\xE9"));
  EXPECT_TRUE(ContainsIgnoreCase("x\xE9Y", "\xE9y"));
}

TEST(TextUtils, ReplaceAllDoesNotRescanInsertedText) {
  struct Case {
    std::string text, from, to, exact, folded;
  };
  const Case cases[] = {
      {"a/b/c", "/", "\\", "a\\b\\c", "a\\b\\c"},
      {"R&D r&d", "&", "and", "RandD randd", "RandD randd"},
      {"aaa", "a", "aa", "aaaaaa", "aaaaaa"},
      {"aaaa", "aa", "b", "bb", "bb"},
      {"Abc aBC", "abc", "x", "Abc aBC", "x x"},
      {"abc", "", "x", "abc", "abc"},
      {"", "a", "b", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.exact) << c.text;
    EXPECT_EQ(ReplaceAllIgnoreCase(c.text, c.from, c.to), c.folded) << c.text;
  }
}

TEST(TextUtils, SplitLinesAcceptsEveryLineBreakAndIgnoresAFinalOne) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"\r\n", {""}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\r", {"a", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(TextUtils, JoinLinesIsTheInverseOfSplitForListText) {
  const std::string text = "x\r\n*y\r\n\r\nz";
  EXPECT_EQ(JoinLines(SplitLines(text)), text);
  EXPECT_EQ(JoinLines({}), "");
  EXPECT_EQ(JoinLines({""}), "");
}

TEST(TextUtils, CharacterClasses) {
  EXPECT_FALSE(IsAsciiDigit('\xB2'));  // superscript two is no digit
  EXPECT_EQ(AsciiUpperCase("c:\\x\xE9"), "C:\\X\xE9");
  EXPECT_EQ(AsciiToLower('['), '[');
  EXPECT_EQ(AsciiLowerCase("C:\\X\xC9"), "c:\\x\xC9");
  EXPECT_TRUE(EqualsIgnoreCase("Winamp v1.x", "WINAMP V1.X"));
  EXPECT_FALSE(EqualsIgnoreCase("\xC9", "\xE9"));
  EXPECT_FALSE(EqualsIgnoreCase("ab", "abc"));
  EXPECT_FALSE(EqualsIgnoreCase("Winamp", "WINAMQ"));  // every character counts, not the first
}

TEST(TextUtils, FileNameCutsAtLastSeparatorAndLastDot) {
  struct Case {
    const char* path;
    const char* name;
    const char* bare;
  };
  const Case cases[] = {
      {"C:\\Music\\song.mp3", "song.mp3", "song"},
      {"C:song.tar.gz", "song.tar.gz", "song.tar"},
      {"dir.v2\\noext", "noext", "noext"},
      {"AC/DC.mp3", "AC/DC.mp3", "AC/DC"},
      {"[3/10] Song (03:25)", "25)", "25)"},
      {".hidden", ".hidden", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(FileNameWithoutExtension(c.path), c.bare) << c.path;
  }
}

// ---- user_apps
const char kProgramDir[] = "C:\\Tools\\Kestrix\\";

TEST(UserApps, IdentifierIsTheNameWithoutEveryAppPrefixAndIniSuffix) {
  struct Case {
    const char* file;
    const char* id;
  };
  const Case cases[] = {
      {"app_test.ini", "test"},
      {"app_test.ini.bak", "test.bak"},
      {"app_App_x.ini", "x"},
      {"APP_Y.INI", "Y"},
      {"app_mini.ini", "mini"},
      {"app_a.inia.ini", "aa"},
      {"app_", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(UserAppIdFromFileName(c.file), c.id) << c.file;
}

TEST(UserApps, DiscoveryListsAppEntriesOfThePluginsFolder) {
  FakeFileSystem files;
  files.AddFile("C:\\Tools\\Kestrix\\Plugins\\app_test.ini.bak", "");
  files.AddFile("C:\\Tools\\Kestrix\\Plugins\\app_App_x.ini", "");
  files.AddFile("C:\\Tools\\Kestrix\\Plugins\\readme.txt", "");
  files.AddDirectory("C:\\Tools\\Kestrix\\Plugins\\app_folder");
  for (DisablePlugins disable : {DisablePlugins::kNone, DisablePlugins::kNewApplication}) {
    std::vector<std::string> ids = DiscoverUserApps(files, kProgramDir, disable);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<std::string>{"folder", "test.bak", "x"}));
  }
  EXPECT_TRUE(DiscoverUserApps(files, kProgramDir, DisablePlugins::kApplications).empty());
  EXPECT_TRUE(DiscoverUserApps(files, "C:\\Elsewhere", DisablePlugins::kNone).empty());
  // The program folder may be given without its final "\".
  EXPECT_EQ(DiscoverUserApps(files, "C:\\Tools\\Kestrix", DisablePlugins::kNone).size(), 3u);
}

TEST(UserApps, DiscoveryTrimsTheListAsOneText) {
  FakeFileSystem files;
  files.AddFile("C:\\P\\Plugins\\app_ lead.ini", "");
  files.AddFile("C:\\P\\Plugins\\app_.ini", "");
  std::vector<std::string> ids = DiscoverUserApps(files, "C:\\P", DisablePlugins::kNone);
  // The empty identifier at an end of the list disappears; the leading blank of the first
  // identifier too.
  EXPECT_EQ(ids, (std::vector<std::string>{"lead"}));
}

TEST(UserApps, ReadsEveryKeyAndOnlyExactTrueIsTrue) {
  FakeFileSystem files;
  files.AddFile(UserAppFileName(kProgramDir, "bsfn"),
                "[PlugInfo]\r\nAuthor=me\r\n[Menu]\r\nMenuName=BS file\r\n"
                "[Configuration]\r\nMethodNum=2\r\nWndClass=BSPlayer\r\nWndTitle=- VLC\r\n"
                "dwData=$1010B\r\ncbData=4\r\n"
                "[Additional]\r\nLeftCut=. \r\nRightCut= - Winamp\r\nEnableTrim=true\r\n"
                "ExtractFN=True\r\nRemoveExt=True\r\n");
  UserApplication app = ReadUserApp(files, kProgramDir, "bsfn");
  EXPECT_EQ(app.method, kMethodCopyData);
  EXPECT_EQ(app.dw_data, "$1010B");
  EXPECT_FALSE(app.enable_trim);
  EXPECT_TRUE(app.extract_file_name);
}

TEST(UserApps, CleaningWithCutMarkers) {
  struct Case {
    const char* raw;
    const char* left;
    const char* right;
    bool trim;
    bool extract;
    bool remove_ext;
    const char* value;
  };
  const Case cases[] = {
      {"12. Song - Winamp", ". ", " - Winamp", false, false, false, "Song"},
      {"12. Song - Winamp", "", "", false, false, false, "12. Song - Winamp"},
      // Left marker absent: its length less one characters go.
      {"Song - Winamp", ". ", " - Winamp", false, false, false, "ong"},
      {"Song - Winamp", "[[[", "", false, false, false, "ng - Winamp"},
      // Right marker: up to the last character found in it, less its length.
      {"Title [x]", "", "]", false, false, false, "Title [x"},
      {"ab", "", "xyz", false, false, false, ""},
      // A "-" left by a missing window is cut by a marker holding "-".
      {"-", "", " - Winamp", false, false, false, ""},
      {"  padded  ", "", "", false, false, false, "  padded  "},
      {"  padded  ", "", "", true, false, false, "padded"},
      {"C:\\Music\\song.mp3", "", "", false, true, false, "song.mp3"},
      {"C:\\Music\\song.mp3", "", "", false, true, true, "song"},
      // A blank file name does not replace the value.
      {"C:\\Music\\", "", "", false, true, false, "C:\\Music\\"},
      {"   ", "", "", false, false, false, ""},
  };
  for (const Case& c : cases) {
    UserApplication app;
    app.left_cut = c.left;
    app.right_cut = c.right;
    app.enable_trim = c.trim;
    app.extract_file_name = c.extract;
    app.remove_extension = c.remove_ext;
    EXPECT_EQ(CleanUserAppValue(c.raw, app, false), c.value) << c.raw << "|" << c.left;
  }
}

TEST(UserApps, BlankResultIsDashOnlyForThePreview) {
  UserApplication app;
  EXPECT_EQ(CleanUserAppValue("  ", app, true), "-");
  EXPECT_EQ(CleanUserAppValue("  ", app, false), "");
  EXPECT_EQ(CleanUserAppValue("-", app, false), "-");
}

class UserAppMethods : public ::testing::Test {
 protected:
  FakeWindowSystem windows;
  FakeSharedMemory memory;
  FakeLocale locale;
  UserAppReaders readers{windows, memory, locale, 0x77, ""};
};

TEST_F(UserAppMethods, WindowTextOfTheClass) {
  UserApplication app;
  app.window_class = "MyPlayer";
  EXPECT_EQ(ReadUserAppRaw("my", app, readers), "-");
  windows.Add(0, "MyPlayer", "1. Tune - MyPlayer");
  EXPECT_EQ(ReadUserAppRaw("my", app, readers), "1. Tune - MyPlayer");
  app.left_cut = ". ";
  app.right_cut = " - MyPlayer";
  EXPECT_EQ(EvaluateUserApp("my", app, readers, false), "Tune");
}

TEST_F(UserAppMethods, CopyDataSendsTheNumberAndLength) {
  UserApplication app;
  app.method = kMethodCopyData;
  app.window_class = "Target";
  app.dw_data = "$1010B";
  app.cb_data = 4;
  EXPECT_EQ(ReadUserAppRaw("cd", app, readers), "-");
  WindowHandle target = windows.Add(0, "Target", "");
  uintptr_t seen_id = 0;
  uint32_t seen_length = 0;
  WindowHandle seen_sender = 0;
  windows.Get(target).copy_data = [&](WindowHandle sender, uintptr_t id, const void* data,
                                      uint32_t length) {
    seen_sender = sender;
    seen_id = id;
    seen_length = length;
    char* buffer = nullptr;
    std::memcpy(&buffer, data, sizeof buffer);
    std::strcpy(buffer, "D:\\clip.avi");
    return intptr_t{1};
  };
  EXPECT_EQ(ReadUserAppRaw("cd", app, readers), "D:\\clip.avi");
  EXPECT_EQ(seen_id, 0x1010Bu);
  EXPECT_EQ(seen_length, 4u);
  EXPECT_EQ(seen_sender, WindowHandle{0x77});
  app.dw_data = "123";
  ReadUserAppRaw("cd", app, readers);
  EXPECT_EQ(seen_id, 123u);
  // Only the low 32 bits are sent.
  app.dw_data = "-1";
  ReadUserAppRaw("cd", app, readers);
  EXPECT_EQ(seen_id, 0xFFFFFFFFu);
}

TEST_F(UserAppMethods, InvalidDwDataGivesAClearMessage) {
  windows.Add(0, "Target", "");
  UserApplication app;
  app.method = kMethodCopyData;
  app.window_class = "Target";
  for (const char* bad : {"xyz", "$", "12abc", "$G1", ""}) {
    app.dw_data = bad;
    try {
      ReadUserAppRaw("cd", app, readers);
      ADD_FAILURE() << "accepted dwData " << bad;
    } catch (const VariableError& error) {
      std::string message = error.what();
      EXPECT_NE(message.find("{cd}"), std::string::npos) << message;
      EXPECT_NE(message.find("dwData \"" + std::string(bad) + "\""), std::string::npos) << message;
    }
  }
  EXPECT_EQ(windows.copy_data_requests, 0);
}

TEST_F(UserAppMethods, CopyDataLengthOutsideTheDialogRangeIsRefused) {
  windows.Add(0, "Target", "");
  UserApplication app;
  app.method = kMethodCopyData;
  app.window_class = "Target";
  for (int bad : {-1, kMaxCopyDataLength + 1}) {
    app.cb_data = bad;
    EXPECT_THROW(ReadUserAppRaw("cd", app, readers), VariableError) << bad;
  }
  app.cb_data = kMaxCopyDataLength;
  EXPECT_EQ(ReadUserAppRaw("cd", app, readers), "");
  EXPECT_EQ(windows.copy_data_requests, 1);
}

TEST_F(UserAppMethods, WindowCaptionContainingTheFragment) {
  UserApplication app;
  app.method = kMethodWindowCaption;
  app.window_title = "- Editor";
  windows.Add(0, "X", "notes.txt - Editor");
  EXPECT_EQ(ReadUserAppRaw("ed", app, readers), "-");  // host not running
  windows.Add(0, "TTOTAL_CMD", "Total Commander");
  EXPECT_EQ(ReadUserAppRaw("ed", app, readers), "notes.txt - Editor");
  app.window_title = "- editor";  // case-sensitive
  EXPECT_EQ(ReadUserAppRaw("ed", app, readers), "-");
}

TEST_F(UserAppMethods, SharedMemoryWithoutANameAndUnknownMethodsGiveDash) {
  UserApplication app;
  app.method = kMethodSharedMemory;
  memory.mappings[""] = std::vector<uint8_t>(10, 0);
  EXPECT_EQ(ReadUserAppRaw("sm", app, readers), "-");
  app.method = 7;
  EXPECT_EQ(ReadUserAppRaw("sm", app, readers), "-");
  EXPECT_EQ(EvaluateUserApp("sm", app, readers, false), "-");
  app.right_cut = "-";
  EXPECT_EQ(EvaluateUserApp("sm", app, readers, false), "");
  EXPECT_EQ(EvaluateUserApp("sm", app, readers, true), "-");
}

TEST(VariableMenu, UserAppCaptionIsPaddedToThirteenCharacters) {
  EXPECT_EQ(UserAppMenuCaption("xxct", "  User defined "), "{xxct}     - User defined");
  EXPECT_EQ(UserAppMenuCaption("abcdefghij", "Long"), "{abcdefghij} - Long");
  EXPECT_EQ(UserAppMenuCaption("abcdefgh", "N"), "{abcdefgh} - N");
  EXPECT_EQ(UserAppMenuCaption("abcdefg", "N"), "{abcdefg}  - N");
}

TEST(VariableMenu, TokensFromItemCaptions) {
  EXPECT_EQ(TokenFromUserAppCaption("{x&xct}     - Name"), "{xxct}");
  EXPECT_EQ(TokenFromUserAppCaption("{ ab }  - N"), "{ab}");
  EXPECT_EQ(TokenFromUserAppCaption("no braces"), "{}");
  EXPECT_EQ(TokenFromEnvironmentCaption(" %&PATH% "), "%PATH%");
}

TEST(VariableMenu, EnvironmentSubmenuLeavesOutTheFirstEntry) {
  FakeEnvironment environment;
  environment.Set("=C:", "C:\\");
  environment.Set("ALPHA", "1");
  environment.Set("BETA", "2");
  environment.Set("GAMMA", "3");
  std::vector<EnvironmentMenuEntry> entries = EnvironmentMenuEntries(environment);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].item_name, "envVar_1");
  EXPECT_EQ(entries[0].caption, "%BETA%");
  EXPECT_EQ(entries[1].item_name, "envVar_2");
  EXPECT_EQ(entries[1].caption, "%GAMMA%");
}

// ---- template_manager
TEST(TemplateRows, AddReplacesTheSameNameAndDeletingUserFromThePopupIsRemembered) {
  using Lines = std::vector<std::pair<std::string, std::string>>;
  TemplateRows rows(Lines{{"Current username", "{user}"}, {"Work", "W_%Y"}});
  EXPECT_EQ(rows.Add("Template 3", "a", "Template"), "Template 4");
  EXPECT_EQ(rows.Add("work", "b", "Template"), "work");  // names differ in case: both kept
  EXPECT_EQ(rows.Add("Work", "c", "Template"), "Work");  // replaces, goes to the end
  std::string shown;
  for (const TemplateRow& row : rows.Rows())
    shown += std::to_string(row.number) + row.name + "=" + row.text + ";";
  EXPECT_EQ(shown, "1Current username={user};3Template 3=a;4work=b;4Work=c;");
  rows.Delete(0, false);
  EXPECT_FALSE(rows.FirstTemplateDeleted());
  TemplateRows again(Lines{{"Me", "{user}"}});
  again.Delete(0, true);
  EXPECT_TRUE(again.FirstTemplateDeleted());
  TBigIniFile ini;
  ini.SetStrings({"[UserTemplates]", "Old=x", "[Additional]"});
  rows.Write(ini);
  again.Write(ini);
  EXPECT_EQ(ReadTemplateLines(ini).size(), 0u);
  rows.Write(ini);
  EXPECT_EQ(ReadTemplateLines(ini).front(),
            (std::pair<std::string, std::string>{"Template 3", "a"}));
  EXPECT_EQ(ini.ReadString("Additional", "DoNotInstall1stTemplate", ""), "True");
  EXPECT_FALSE(CanAddTemplate(" ", "n"));
  EXPECT_FALSE(CanAddTemplate("t", " "));
}

// ---- new_application
TEST(NewApplication, MethodsFillExamplesButKeepATypedClass) {
  struct Case {
    std::string typed_class;
    int method;
    std::string window_class, caption, cut_from;
    bool class_on, caption_on, copy_data_on, file_name;
  } cases[] = {
      {"", kMethodCopyData, "BSPlayer", "", "", true, false, true, true},
      {"- VLC", kMethodWindowText, "Winamp v1.x", "", ". ", true, false, false, false},
      {"BSPlayer", kMethodWindowCaption, "", "- VLC", "", false, true, false, true},
      {"MyPlayer", kMethodWindowCaption, "MyPlayer", "", "", false, true, false, true},
  };
  for (const Case& c : cases) {
    NewAppFields f;
    f.window_class = c.typed_class;
    PrepareMethod(f, c.method);
    SCOPED_TRACE(c.typed_class);
    EXPECT_EQ(f.window_class, c.window_class);
    EXPECT_EQ(f.window_caption, c.caption);
    EXPECT_EQ(f.cut_from, c.cut_from);
    EXPECT_EQ(f.cut_left, !c.cut_from.empty());
    EXPECT_EQ(f.class_enabled, c.class_on);
    EXPECT_EQ(f.caption_enabled, c.caption_on);
    EXPECT_EQ(f.copy_data_enabled, c.copy_data_on);
    EXPECT_EQ(f.extract_file_name, c.file_name);
    EXPECT_EQ(f.remove_extension, c.file_name);
  }
}

TEST(NewApplication, FieldRules) {
  EXPECT_EQ(CorrectedField(NewAppField::kDwData, ""), "$0");
  EXPECT_EQ(CorrectedField(NewAppField::kCbData, ""), "0");
  EXPECT_EQ(CorrectedField(NewAppField::kId, ""), "xxct");
  EXPECT_EQ(CorrectedField(NewAppField::kId, "ab"), "ab");
  std::string dw, id;
  for (char c : std::string("09afAFgG$-\b z")) {
    if (AcceptsDwDataChar(c)) dw += c;
    if (AcceptsIdChar(c)) id += c;
  }
  EXPECT_EQ(dw, "09afAF\b");
  EXPECT_EQ(id, "afAFgG\bz");
  EXPECT_EQ(MenuCaptionPreview(" XyCt ", " My & app "), "{xyct} - My & app");
  EXPECT_EQ(PreviewCaption("Rock & Roll"), "Rock && Roll");
  EXPECT_FALSE(CutBoxFor(" "));
}

TEST(NewApplication, OkRefusesTakenIdsAndWritesWhatTheExpansionReads) {
  FakeFileSystem files;
  files.AddDrive("C:");
  files.AddFile("C:\\Kx\\Plugins\\app_abcd.ini", "");
  EXPECT_TRUE(IdentifierTaken(files, "C:\\Kx", "abcd"));
  EXPECT_TRUE(IdentifierTaken(files, "C:\\Kx", "wact"));
  EXPECT_FALSE(IdentifierTaken(files, "C:\\Kx", "WACT"));
  NewAppFields f;
  PrepareMethod(f, kMethodCopyData);
  f.id = "bspx";
  f.name = "BS & co";
  f.cb_data = "260";
  f.cut_to = " - BS";
  WriteNewApplication(files, "C:\\Kx\\", f, " root ", "07-12-2026");
  std::string text;
  ASSERT_EQ(files.ReadWholeFile("C:\\Kx\\Plugins\\app_bspx.ini", text), kErrorSuccess);
  EXPECT_NE(text.find("Author=root"), std::string::npos);
  EXPECT_NE(text.find("Date=07-12-2026"), std::string::npos);
  const UserApplication read = ReadUserApp(files, "C:\\Kx", "bspx");
  const UserApplication expected = ApplicationOf(f);
  EXPECT_EQ(read.menu_name, expected.menu_name);
  EXPECT_EQ(read.method, kMethodCopyData);
  EXPECT_EQ(read.window_class, "BSPlayer");
  EXPECT_EQ(read.dw_data, "$1010B");
  EXPECT_EQ(read.cb_data, 260);
  EXPECT_EQ(read.right_cut, " - BS");
  EXPECT_TRUE(read.enable_trim && read.extract_file_name && read.remove_extension);
}

}  // namespace
}  // namespace kestrix
