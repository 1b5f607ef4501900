#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "base/text_utils.h"
#include "base/unicode_case.h"
#include "base/utf8.h"
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
using Lines = std::vector<std::string>;
using namespace std::string_literals;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;
LocalDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                 int millisecond = 0) {
  return {year, month, day, hour, minute, second, millisecond};
}

TEST(DateTokens, EveryTokenOnDatesThatTestItsRule) {
  const LocalDateTime when = At(2024, 3, 5, 9, 7, 5);
  const std::tuple<const char*, LocalDateTime, const char*> cases[] = {
      {"%D.%N.%Y", when, "05.03.2024"},
      {"%d.%n.%y", when, "5.3.24"},
      {"%H%M|%h:%m|%s|%S", when, "0907|9:7|5|05"},     // "%M" is the minute, "%N" the month
      {"%p %P %o %O", when, "Tue Tuesday Mar March"},  // names come from the locale
      // Day of the year counts leap days.
      {"%e", At(2024, 12, 31), "366"},
      {"%e", At(1900, 12, 31), "365"},
      {"%e", At(2024, 2, 29), "60"},
      {"%e", At(2023, 2, 28), "59"},
      {"%e", At(2000, 2, 1), "32"},
      // The ISO week belongs to the year of its Thursday.
      {"%W", At(2021, 1, 1), "53"},  // a Friday: still the last week of 2020
      {"%W", At(2021, 1, 4), "1"},
      {"%W", At(2024, 12, 30), "1"},   // a Monday whose Thursday is in 2025
      {"%W", At(2026, 1, 1), "1"},     // a Thursday on New Year's Day
      {"%W", At(2026, 12, 31), "53"},  // a Thursday on New Year's Eve
      {"%W", when, "10"},
      {"%w", At(1970, 1, 1), "4"},
      {"%w", At(1969, 12, 28), "7"},
      {"%q", At(2024, 3, 31), "1"},
      {"%q", At(2024, 7, 1), "3"},
      // Unix time rounds half seconds to even and keeps counting past 2038.
      {"%x", At(1970, 1, 1, 0, 0, 0, 500), "0"},
      {"%x", At(1970, 1, 1, 0, 0, 1, 500), "2"},
      {"%x", At(1969, 12, 31, 23, 59, 59), "-1"},
      {"%x", At(2040, 1, 1), "2208988800"},
      // Case-sensitive, in order: "%s" goes first, and a value is never scanned again.
      {"%sS", when, "5S"},
      {"%Z%%", when, "%Z%%"},
      {"%%d", when, "%5"}};
  FakeLocale locale;
  for (const auto& [text, at, expected] : cases)
    EXPECT_EQ(ReplaceDateTokens(text, at, locale), expected)
        << text << " " << at.year << "-" << at.month << "-" << at.day;
  EXPECT_EQ(DateTokenValue("%dd", when, locale), "");  // not a token: no value
}

using Stops = std::vector<int>;
TEST(IntelligentSelection, WordStopsOfTheNameAndThePath) {
  const std::pair<const char*, std::optional<Stops>> names[] = {
      {"New Folder (2024.03.05.)", Stops{4, 11, 17, 20, 23}},
      {"ab-c d-e", Stops{3, 5, 7}},
      {"a - b", Stops{2, 4}},
      {"a|b_c\\d/e", Stops{2, 4, 6, 8}},
      {"abc", Stops{0}},
      {"abc-", Stops{4}},  // the last character is no stop, but the last "-" is
      {"-ab", Stops{1}},
      {"a -bc", Stops{2, 3}},  // a "-" after a blank is no stop; as the last "-" it is one
      {"ab.", Stops{0}},
      {"x", std::nullopt}};
  for (const auto& [text, stops] : names) EXPECT_EQ(BuildWordStops(text), stops) << text;
  const std::pair<const char*, std::optional<Stops>> paths[] = {
      {"C:\\Work\\Proj\\", Stops{3, 8, 13}},
      {"d:\\a.b/c", Stops{3, 7}},
      {"d:/a", std::nullopt},  // "/" counts as a separator, not for the absolute test
      {"\\\\srv\\s", Stops{1, 2, 6}},
      {"Work\\x", std::nullopt}};
  for (const auto& [text, stops] : paths) EXPECT_EQ(BuildPathWordStops(text), stops) << text;
}

// Presses Ctrl+Tab `presses` times, starting with the caret at `caret`, and returns the
// selected texts; each press starts from the selection the previous one left.
Lines Walk(const std::string& text, SelectionField field, const Stops& stops, std::size_t caret,
           int presses, WordCursor& cursor) {
  Lines selected;
  TextSelection current{caret, 0};
  for (int i = 0; i < presses; ++i) {
    const auto next = IntelligentSelection(text, current, field, stops, cursor);
    selected.push_back(next ? text.substr(next->start, next->length) : "<none>");
    current = next.value_or(current);
    EXPECT_LE(current.start + current.length, text.size());
  }
  return selected;
}

TEST(IntelligentSelection, WalksTheWordsFromTheWordTheCaretStandsInAndStaysInside) {
  const SelectionField kName = SelectionField::kName, kPath = SelectionField::kPath;
  const std::size_t kEnd = std::string::npos;  // the caret after the last character
  const std::tuple<const char*, SelectionField, std::size_t, Lines> cases[] = {
      {"New Folder (2024.03.05.)",
       kName,
       kEnd,
       {"New", "Folder", "2024.03.05.", "03", "05", ")", "New", "Folder"}},
      {"Name", kName, kEnd, {"Name", "Name", "Name"}},
      // Starting over selects word 0 as it stands, brackets included.
      {"[tag] name", kName, kEnd, {"tag", "name", "[tag]"}},
      {"[(x)] y", kName, kEnd, {"x", "y"}},
      {"a []", kName, kEnd, {"a", "]"}},
      {"a () b", kName, kEnd, {"a", ")"}},  // an empty pair still selects one character
      {"(a b) c", kName, kEnd, {"a b", "b", "c"}},
      {"Łódź [Żółw] 日本", kName, kEnd, {"Łódź", "Żółw", "日本", "Łódź"}},
      // The path field splits only at separators.
      {"C:\\my.dir\\x", kPath, 7, {"my.dir", "x", "C:"}},
      // The empty word after the final "\" cannot grow past the end: the caret goes there.
      {"C:\\Work\\Proj\\", kPath, 0, {"C:", "Work", "Proj", "", "C:"}}};
  for (const auto& [text, field, caret, selected] : cases) {
    WordCursor cursor;
    const std::string s = text;
    const auto stops = field == kPath ? BuildPathWordStops(s) : BuildWordStops(s);
    EXPECT_EQ(Walk(s, field, stops.value_or(Stops{0}), std::min(caret, s.size()),
                   static_cast<int>(selected.size()), cursor),
              selected)
        << text;
  }
  // The caret picks the word it stands in.
  const char* const kFolder = "New Folder (2024.03.05.)";
  const Stops folder = *BuildWordStops(kFolder);
  const std::tuple<const char*, Stops, std::size_t, int, const char*> carets[] = {
      {kFolder, folder, 7, 5, "Folder"},       // inside "Folder"
      {kFolder, folder, 4, 0, "Folder"},       // right after the blank
      {kFolder, folder, 2, 4, "New"},          // no separator before the caret
      {kFolder, folder, 19, 0, "03"},          // after a dot
      {kFolder, folder, 0, 2, "2024.03.05."},  // a caret at the start keeps the cursor
      // "|" is a stop but not a caret separator; "-" after a blank is neither.
      {"ab|cd", {3}, 4, 3, "ab"},
      {"a -bc", {2}, 4, 3, "-bc"},
      {" -bc", {1}, 3, 3, "-bc"},
      {"ab-cd", {3}, 4, 0, "cd"}};  // a "-" glued to a letter is both
  for (const auto& [text, stops, caret, before, selected] : carets) {
    WordCursor cursor{before};
    EXPECT_EQ(Walk(text, SelectionField::kName, stops, caret, 1, cursor)[0], selected) << caret;
  }
  // A stop list that does not fit selects nothing or stays inside.
  for (const Stops& stops : {Stops{}, Stops{2, 30}, Stops{6}}) {
    WordCursor cursor{1};
    EXPECT_EQ(IntelligentSelection("short", {0, 0}, SelectionField::kName, stops, cursor),
              std::nullopt);
    EXPECT_EQ(cursor.next_word, 1);
  }
  WordCursor negative{-5};
  EXPECT_TRUE(IntelligentSelection("abcdef", {6, 0}, SelectionField::kName, Stops{3}, negative));
  EXPECT_EQ(negative.next_word, 1);
}

// An AIMP record: six lengths from offset 40, UTF-16 texts from 88, cut at the record's end.
std::vector<uint8_t> AimpRecord(const std::string (&texts)[6],
                                const std::array<int32_t, 6>& lengths) {
  std::vector<uint8_t> record(kAimpRecordBytes, 0);
  for (int i = 0; i < 6; ++i)
    for (int b = 0; b < 4; ++b)
      record[40 + 4 * i + b] = static_cast<uint8_t>(static_cast<uint32_t>(lengths[i]) >> (8 * b));
  std::string units;
  for (const std::string& text : texts) units += Utf16LeFromUtf8(text);
  std::copy_n(units.begin(), std::min(units.size(), record.size() - 88), record.begin() + 88);
  return record;
}

std::vector<uint8_t> AimpRecord(const std::string& artist, const std::string& title) {
  const std::string texts[6] = {"Album", artist, "2024", "C:\\a.mp3", "Rock", title};
  std::array<int32_t, 6> lengths;
  for (int i = 0; i < 6; ++i) lengths[i] = static_cast<int32_t>(Utf16Length(texts[i]));
  return AimpRecord(texts, lengths);
}

TEST(PlayerSources, TitlesGiveTheirValuesAndVlcNeedsTheHost) {
  const auto winamp = WinampTitleValue, km = KmPlayerTitleValue, vlc = VlcTitleValue;
  const std::tuple<decltype(winamp), const char*, const char*> cases[] = {
      {winamp, "  12. Artist - Song - Winamp  ", "Artist - Song"},
      {winamp, "Artist - Song - Winamp", "rtist - Song"},  // no ". ": the first character goes
      {winamp, "Winamp", ""},
      {winamp, "1. X - Winamp", "X"},  // a one-letter name
      {winamp, "xyz", ""},
      {winamp, "\u0141\u00F3d\u017A - Winamp", "\u00F3d\u017A"},  // a character, not a byte
      {km, "[3/10] Song(03:25)", "Song"},
      // A blank before "(": no cut point, the ":" of the time counts as a drive separator.
      {km, "[3/10] Song (03:25)", "25)"},
      {km, "[1/2] A(b)(c)", "A(b)"},  // the last glued "(" wins
      {km, "xSong(1)", "Song"},       // no "]": the first character goes
      {km, "[1/1] C:\\Music\\track.mp3", "track"},
      {km, "[1/1] (x)", "(x)"},  // "(" at position 1 has no left neighbour
      {km, "", ""},
      {km, "[2/9] JAZZ(04:10)", "JAZZ"},
      {km, "[2/9] jazz(04:10)", "jazz"},
      {vlc, "D:\\Video\\my.clip.avi - VLC media player", "my.clip"},
      {vlc, "clip - VLC media player", "clip -"},  // without an extension the "-" stays
      {vlc, "VLC media player", ""}};
  for (const auto& [value_of, title, value] : cases) EXPECT_EQ(value_of(title), value) << title;
  // VLC's window is looked for only while the host runs.
  FakeWindowSystem windows;
  windows.Add(0, "Other", "clip.avi - vlc media player");  // case-sensitive marker
  windows.Add(0, "QWidget", "first.mkv - VLC media player");
  windows.Add(0, "QWidget", "second.mkv - VLC media player");
  EXPECT_EQ(VlcSource(windows), "");  // host not running: the walk finds nothing
  windows.Add(0, "TTOTAL_CMD", "Total Commander");
  EXPECT_EQ(VlcSource(windows), "first");
}

// Answers a copy-data request by writing `reply` at the address the request carries, as a
// receiver in another process does, and records what was asked: dwData, cbData, the sender.
using CopyDataSeen = std::tuple<uintptr_t, uint32_t, WindowHandle>;

FakeWindowSystem::CopyDataHandler WriteReply(FakeWindowSystem& windows, const std::string& reply,
                                             CopyDataSeen* seen) {
  return [=, &windows](WindowHandle sender, uintptr_t dw_data, const void* data, uint32_t cb_data) {
    *seen = {dw_data, cb_data, sender};
    uint64_t address = 0;
    for (uint32_t i = 0; i < std::min(cb_data, 8u); ++i)
      address |= uint64_t{static_cast<const unsigned char*>(data)[i]} << (8 * i);
    return intptr_t{windows.WriteAtAddress(address, reply)};
  };
}

TEST(PlayerSources, BsPlayerAnswersTheFileNameRequest) {
  FakeWindowSystem windows;
  EXPECT_EQ(BsPlayerSource(windows, 0x42), "");
  WindowHandle player = windows.Add(0, "BSPlayer", "BS.Player");
  CopyDataSeen seen;
  windows.Get(player).copy_data =
      WriteReply(windows, std::string(" C:\\Movies\\holiday.2024.mkv \0", 29), &seen);
  EXPECT_EQ(BsPlayerSource(windows, 0x42), "holiday.2024");
  EXPECT_EQ(std::get<2>(seen), WindowHandle{0x42});
  // A reply without its terminating zero stays inside the buffer.
  windows.Get(player).copy_data =
      WriteReply(windows, std::string(kCopyDataReceiveBytes, 'z'), &seen);
  EXPECT_EQ(RequestCopyDataText(windows, player, 0, 1, 4, "{x}"),
            std::string(kCopyDataReceiveBytes, 'z'));
  // A buffer above 4 GB (a 64-bit program's heap) cannot be named in the player's 4 bytes.
  windows.receive_address = uintptr_t{0x12345678} << 8;
  EXPECT_THAT([&] { BsPlayerSource(windows, 0x42); },
              ThrowsMessage<VariableError>(::testing::StrEq(
                  "{bsct}: the address of the receive buffer does not fit in cbData bytes.")));
  EXPECT_EQ(RequestCopyDataText(windows, player, 0, 1, 8, "{x}").size(), kCopyDataReceiveBytes);
}

TEST(PlayerSources, AddressBlockHoldsTheAddressInTheBytesTheReceiverReads) {
  using Bytes = std::vector<unsigned char>;
  const std::tuple<uint64_t, uint32_t, std::optional<Bytes>> cases[] = {
      {0x00C0FFE0, 4, Bytes{0xE0, 0xFF, 0xC0, 0, 0, 0, 0, 0}},
      {0x7FFF0000, 2, std::nullopt},
      {0xFFFF, 2, Bytes{0xFF, 0xFF, 0, 0, 0, 0, 0, 0}},
      {0x123456789A, 4, std::nullopt},
      {0x123456789A, 8, Bytes{0x9A, 0x78, 0x56, 0x34, 0x12, 0, 0, 0}},
      {0x123456789A, 10, Bytes{0x9A, 0x78, 0x56, 0x34, 0x12, 0, 0, 0, 0, 0}},
      {0x123456789A, 0, Bytes{0x9A, 0x78, 0x56, 0x34, 0x12, 0, 0, 0}},  // nothing is sent
  };
  for (const auto& [address, cb_data, block] : cases)
    EXPECT_EQ(AddressBlock(address, cb_data), block) << address << " in " << cb_data;
}

// An untimed send would hang (the fake throws).
TEST(PlayerSources, HungPlayersGiveEmptyValues) {
  FakeWindowSystem windows;
  for (const char* window_class : {"Winamp v1.x", "Winamp PE", "BSPlayer"})
    windows.Get(windows.Add(0, window_class, "[1/1] 1. clip.avi - Winamp")).hung = true;
  EXPECT_EQ(WinampSource(windows) + KmPlayerSource(windows) + BsPlayerSource(windows, 0x42), "");
  FakeSharedMemory memory;
  FakeLocale locale;
  UserAppReaders readers{windows, memory, locale, 0x77, ""};
  UserApplication app;
  app.window_class = "Winamp v1.x";
  for (int method : {kMethodWindowText, kMethodCopyData}) {
    app.method = method;
    EXPECT_EQ(EvaluateUserApp("hu", app, readers, false), "") << method;
  }
}

TEST(PlayerSources, AimpRecordGivesArtistAndTitleWithinTheRecord) {
  FakeLocale locale;
  FakeSharedMemory memory;
  EXPECT_EQ(AimpSource(memory, locale), "");  // not running
  memory.mappings[kAimpMappingName] = AimpRecord("Artist", "Song");
  EXPECT_EQ(AimpSource(memory, locale), "Artist - Song");
  memory.mappings[kAimpMappingName] = AimpRecord("  Caf\u00e9 ", "\u4e2d ");
  EXPECT_EQ(AimpSource(memory, locale), "Caf\xE9  - ?");
  const std::string texts[6] = {"", "Artist", "", "", "", "Title"};
  const std::pair<std::array<int32_t, 6>, const char*> cases[] = {
      // A negative length counts as none.
      {{-1000, 6, 0, 0, 0, 5}, "Artist - Title"},
      {{0, -2147483647 - 1, 0, 0, 0, 5}, " - Artis"},
      // Lengths past the 2048 bytes are cut where the record ends.
      {{2147483647, 6, 0, 0, 0, 5}, " - "}};
  for (const auto& [lengths, value] : cases)
    EXPECT_EQ(AimpRecordText(AimpRecord(texts, lengths), locale), value);
  // The title runs to the record's end: (2048 - 88) / 2 - 6 code units.
  const std::string value = AimpRecordText(AimpRecord(texts, {0, 6, 0, 0, 0, 2147483647}), locale);
  EXPECT_EQ(value.size(), std::string("Artist - ").size() + (2048 - 88) / 2 - 6);
  EXPECT_EQ(value.substr(0, 14), "Artist - Title");
}

class ReplacementsTest : public ::testing::Test {
 protected:
  ReplacementsTest() {
    clock.now = {2024, 3, 5, 9, 7, 5, 0};
    clock.ticks = 9000;
  }
  std::string Expand(const std::string& text, const Lines& ids = {}) {
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

TEST_F(ReplacementsTest, StepsInOrderEachValueChangedOnlyByLaterSteps) {
  environment = {{"Project", "  Apollo"},
                 {"WHO", "{un}"},
                 {"STAMP", "%D"},
                 {"USERNAME", "ann"},
                 {"5", "five"}};
  system.computer_name = " PC ";
  const std::pair<const char*, const char*> cases[] = {
      {"%PROJECT%\\%Y  ", "Apollo\\2024"},  // environment first, then the whole text trimmed
      {"%who%-%stamp%", "ann-05"},          // an environment value holding a token
      {"a%ZZ%b%Z", "a%ZZ%b%Z"},
      // The closing "%" of an undefined name may open a defined one; the date step must
      // not take "%U" out of a name the environment knows.
      {"%Y %USERNAME%", "2024 ann"},
      {"%Q%USERNAME%", "%Qann"},
      {"%username% 100%", "ann 100%"},
      {"100%Done", "10005one"},  // only the exact date token
      {"%%d%", "%5%"},           // a date value is never re-read as an environment reference
      {"{DATE}_{Time}", "2024-03-05_09-07-05"},
      {"{USER}{Usr}{uN}", "annannann"},
      {"{pc}|{os}|{wg}|{ut}|{at}|{ax}", "PC|Windows 10|WORKGROUP|00d00h00m09s|32|x86"},
      {"a{wact}{bsct}{aict}{vlct}{kmct}b", "ab"},  // players not running
  };
  system.user_name = "ann";
  for (const auto& [text, expanded] : cases) EXPECT_EQ(Expand(text), expanded) << text;
  // A user name holding a date token stays: the date step ran before. Player values are
  // not trimmed.
  system.user_name = "%Y";
  windows.Add(0, "TTOTAL_CMD", "");
  windows.Add(0, "Winamp v1.x", "1.  Tune  - Winamp");
  EXPECT_EQ(Expand("{un}[{wact}]"), "%Y[ Tune ]");
}

TEST_F(ReplacementsTest, UserApplicationsAfterTheBuiltInTokensAndBadDwDataStopsThem) {
  windows.Add(0, "Notes", "  memo.txt  ");
  AddApp("memo",
         "[Configuration]\r\nMethodNum=0\r\nWndClass=Notes\r\n"
         "[Additional]\r\nEnableTrim=True\r\nExtractFN=True\r\nRemoveExt=True\r\n");
  AddApp("aict", "[Configuration]\r\nWndClass=Notes\r\n");
  EXPECT_EQ(Expand("{MEMO}-{memo}", {"memo"}), "memo-memo");
  EXPECT_EQ(Expand("{memo}"), "{memo}");  // not listed: the token stays
  // A user identifier equal to a built-in one never gets its token.
  EXPECT_EQ(Expand("[{AICT}]", {"aict"}), "[]");
  // A window that is missing gives "-", kept when nothing cuts it.
  windows.Remove(windows.FindWindow(0, 0, "Notes", std::nullopt));
  EXPECT_EQ(Expand("{memo}", {"memo"}), "-");
  // Bad dwData stops the expansion with a message.
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
  EXPECT_EQ(std::make_tuple(outcome.option, outcome.caption.has_value(), outcome.error.has_value()),
            std::make_tuple(AutoEnableOutcome::Option::kCheck, false, true));
  // The application is evaluated only when its token occurs.
  EXPECT_EQ(Expand("%Y", {"bad"}), "2024");
}

TEST_F(ReplacementsTest, DetectionIgnoresCaseUsesLowerCaseDateLettersAndAutoEnables) {
  environment = {{"HOME", "C:\\Users\\me"}, {"ZONE", "x"}};
  const std::pair<const char*, bool> cases[] = {
      {"plain", false}, {"100%Done", true}, {"%ZZZ%", false},         {"{DATE}", true},
      {"{foo}", false}, {"x%home%y", true}, {"%HOMEX%", true},  // "%H" is a date letter
      {"{memo}", true}, {"%%", false},      {"in %Zone% here", true}, {"in %Zones% here", false}};
  for (const auto& [text, holds] : cases)
    EXPECT_EQ(HoldsVariables(text, environment, {"memo"}), holds) << text;
  EXPECT_FALSE(HoldsVariables("{memo}", environment, {}));
  environment.Unset("ZONE");
  EXPECT_FALSE(HoldsVariables("in %Zone% here", environment, {}));
  // What detection switches: the option, the preview timer and its caption.
  using O = AutoEnableOutcome::Option;
  using T = AutoEnableOutcome::Timer;
  const std::tuple<AutoEnableState, const char*, O, T> states[] = {
      {{true, true, false}, "%Y", O::kCheck, T::kStart},
      {{true, true, true}, "%Y", O::kCheck, T::kUnchanged},    // Batch mode: no timer
      {{true, false, false}, "%Y", O::kCheck, T::kUnchanged},  // live preview off
      {{true, true, false}, "plain", O::kUncheck, T::kStop},
      {{true, true, false}, "%ZZZ%", O::kUncheck, T::kStop},
      {{false, true, false}, "%Y", O::kUnchanged, T::kUnchanged},  // not armed
  };
  for (const auto& [state, text, option, timer] : states) {
    AutoEnableOutcome result =
        AutoEnableReplacements(text, std::string(" ") + text, state, platform, {});
    EXPECT_EQ(std::tie(result.option, result.timer), std::tie(option, timer)) << text;
    EXPECT_EQ(result.caption,
              option == O::kCheck ? std::optional<std::string>("2024") : std::nullopt)
        << text;
  }
}

TEST(PreviewCleanup, ReplacesInvalidCharactersOnlyWhenAskedKeysFirstThenEnvironment) {
  PreviewCleanupSettings settings;
  FakeEnvironment environment;
  settings.invalid_char_action = InvalidCharAction::kWarn;
  EXPECT_EQ(ReplaceInvalidCharInPreview(" a?b:c* ", settings, environment), " a?b:c* ");
  settings.invalid_char_action = InvalidCharAction::kReplace;
  settings.invalid_char_replace = "-";
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"Łódź:日本 😀", true, "Łódź-日本 😀"},      // other scripts stay
      {"C:\\Temp\\x:y", true, "C:\\Temp\\x:y"},  // an absolute path keeps every colon
      {"\\\\server\\share:x", true, "\\\\server\\share:x"},
      {"  c:\\Temp  ", true, "c:\\Temp"},
      {"say \"hi\" <b>", true, "say -hi- -b-"},
      {"a*b", true, "a-b"},
      {"a*b", false, "a*b"},  // Extended mode keeps "*"
      {"a\\b/c|d", true, "a\\b/c|d"}};
  for (const auto& [text, normal, cleaned] : cases) {
    settings.normal_mode = normal;
    EXPECT_EQ(ReplaceInvalidCharInPreview(text, settings, environment), cleaned) << text;
  }
  // A replacement holding an invalid character falls back to "_".
  for (const char* bad : {"?", "a>b"}) {
    settings.invalid_char_replace = bad;
    EXPECT_EQ(ReplaceInvalidCharInPreview("a?b", settings, environment), "a_b") << bad;
  }
  // User keys first, then the environment.
  settings.invalid_char_replace = "_";
  settings.replace_char_keys = {"&", "AND", "_", ""};
  Lines asked;
  settings.replace_char_value = [&](const std::string& key) {
    asked.push_back(key);
    return key == "&" ? std::string("and") : std::string("+");
  };
  environment.Set("DRIVE", "D:\\Data");
  // "&" -> "and"; then "AND" (any case) -> "+"; the key equal to the replacement is
  // skipped; the empty key is ignored; then the environment is expanded, the colon kept.
  EXPECT_EQ(ReplaceInvalidCharInPreview("%DRIVE%\\Tom & Jerry", settings, environment),
            "D:\\Data\\Tom + Jerry");
  EXPECT_EQ(asked, (Lines{"&", "AND"}));
  // A value missing from the settings file is "_".
  settings.replace_char_value = nullptr;
  EXPECT_EQ(ReplaceInvalidCharInPreview("a&b", settings, environment), "a_b");
}

TEST(SystemSources, UptimePadsEachPartAndOsNamesFollowTheReportedAndTheRealVersion) {
  const std::pair<uint32_t, const char*> uptimes[] = {
      {2u * 86400000u + 5u * 3600000u + 7u * 60000u + 9000u, "02d05h07m09s"},
      {4294967295u, "49d17h02m47s"}};  // the last tick before the count wraps
  for (const auto& [ticks, text] : uptimes) EXPECT_EQ(UptimeText(ticks), text) << ticks;
  using Real = std::optional<RealOsVersion>;
  const ReportedOsVersion six_two{2, 6, 2, 9200, ""};
  const std::tuple<ReportedOsVersion, Real, const char*> cases[] = {
      {{1, 4, 10, 2222, " A "}, {}, "Windows 98 SE"},
      {{1, 4, 10, 2222, "A"}, {}, "Windows 98"},  // the second character decides
      {{1, 4, 10, 2222, " A"}, {}, "Windows 98 SE"},
      {{1, 4, 10, 2222, "xB"}, {}, "Windows 98"},
      {{2, 5, 1, 2600, ""}, {}, "Windows XP"},
      {{2, 10, 0, 19045, ""}, {}, "Windows 10"},
      {{2, 10, 0, 22631, ""}, {}, "Windows 11"},
      {{2, 11, 0, 30000, ""}, {}, "Unknown"},  // a later system
      // Without a manifest every newer system reports 6.2: the real version names it.
      {six_two, {}, "Windows 8"},
      {six_two, RealOsVersion{6, 3, 9600}, "Windows 8.1"},
      {six_two, RealOsVersion{10, 0, 22000}, "Windows 11"},
      // A compatibility mode that reports an older system keeps that system's name.
      {{2, 6, 1, 7601, ""}, RealOsVersion{10, 0, 22631}, "Windows 7"}};
  for (const auto& [reported, real, name] : cases)
    EXPECT_EQ(OsName(reported, real), name) << reported.major << "." << reported.minor;
  EXPECT_EQ(OsName(std::nullopt, RealOsVersion{10, 0, 19045}), "Unknown");
}

TEST(SystemSources, ArchitectureFromProcessBitsAndWow64AndTheWorkgroupOfNtOnly) {
  const std::tuple<bool, Wow64Answer, const char*, const char*> cases[] = {
      {false, {true, true, false, 0}, "32", "x86"},    // 32-bit system
      {false, {true, true, true, 0}, "64", "x64"},     // 32-bit program on a 64-bit system
      {false, {false, false, false, 0}, "32", "x86"},  // no IsWow64Process: an old system
      {true, {true, true, false, 0}, "64", "x64"},     // a 64-bit program needs a 64-bit system
  };
  for (const auto& [process_64, wow64, bits, name] : cases) {
    FakeSystemFacts facts;
    facts.is_64bit_process = process_64;
    facts.wow64 = wow64;
    EXPECT_EQ(ArchitectureBitsSource(facts) + " " + ArchitectureNameSource(facts),
              std::string(bits) + " " + name);
  }
  FakeSystemFacts facts;  // an NT system's is read by {wg} with the replacements
  facts.reported_version = ReportedOsVersion{1, 4, 10, 0, ""};
  EXPECT_EQ(WorkgroupSource(facts), "");
}

TEST(TemplateList, ChoiceCaptionsAndKeys) {
  EnglishLanguageTable english;
  std::vector<BuiltInTemplate> t = BuiltInTemplates(english);
  TemplateChoice one = ChooseTemplate(t[0].caption, t);
  EXPECT_EQ(std::tie(one.kind, one.built_in), std::make_tuple(TemplateChoice::Kind::kBuiltIn, 0u));
  EXPECT_EQ(ChooseTemplate(t[1].caption, t).built_in, 1u);
  EXPECT_EQ(ChooseTemplate("- no template selected -", t).kind, TemplateChoice::Kind::kNothing);
  // A user template named "1st" carries the tag of entry 1 but applies its own text.
  EXPECT_EQ(UserTemplateCaption("weekly ") + UserTemplateCaption("łódź"), "[W] - weekly[Ł] - łódź");
  TemplateChoice first = ChooseTemplate(UserTemplateCaption("1st"), t);
  EXPECT_EQ(std::tie(first.kind, first.user_name),
            std::make_tuple(TemplateChoice::Kind::kUser, std::string("1st")));
  const Lines entries{"- no template selected -", "[1] - New Folder (%Y)", "[2] - New Folder (%D)",
                      "[3] - Weekly_backup_%W",   "[4] - Full date",       "[Ż] - Żółw"};
  EXPECT_EQ(TemplateIndexForKey(entries, U'Ż'), 5u);
  EXPECT_EQ(TemplateIndexForKey(entries, 'W'), 3u);
  EXPECT_EQ(TemplateIndexForKey(entries, 'N'), 2u);  // the last of two
  EXPECT_EQ(TemplateIndexForKey(entries, 'n'), 0u);  // case-sensitive
}

TEST(TextModifiers, BlanksAndDots) {
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      // text, SpaceToDot, SpaceToDotCareful, DotToSpaceCareful
      {"My  new folder ", "My..new.folder.", "My  new.folder ", "My  new folder "},
      {"a.b...c.", "a.b...c.", "a.b...c.", "a b...c."},
      {" a", ".a", ".a", " a"},
      {"  a", "..a", "  a", "  a"},
      {".a", ".a", ".a", " a"},
      {" ", ".", " ", " "}};
  for (const auto& [text, to_dot, to_dot_careful, to_space_careful] : cases)
    EXPECT_EQ(SpaceToDot(text) + "|" + SpaceToDotCareful(text) + "|" + DotToSpaceCareful(text),
              std::string(to_dot) + "|" + to_dot_careful + "|" + to_space_careful);
  EXPECT_EQ(DotToSpace("a.b...c."), "a b   c ");
}

// A Turkish locale: "i" raises to the dotted capital.
class TurkishCharCase : public PortableCharCase {
 public:
  char32_t ToUpper(char32_t c) const override { return c == U'i' ? U'\u0130' : SimpleUpperCase(c); }
};

// Names of other scripts, through each case change; a malformed byte stays as it is.
TEST(TextModifiers, CaseChangesWorkPerCharacterInEveryScript) {
  const std::tuple<const char*, const char*, const char*, const char*> names[] = {
      // text, upper, lower, inverted
      {"Łódź", "ŁÓDŹ", "łódź", "łÓDŹ"},
      {"ΕΛΛΆΔΑ ς", "ΕΛΛΆΔΑ Σ", "ελλάδα ς", "ελλάδα Σ"},
      {"Ǆǅǆ", "ǄǄǄ", "ǆǆǆ", "ǆǆǄ"},
      {"Żółw", "ŻÓŁW", "żółw", "żÓŁW"},
      {"日本 한국", "日本 한국", "日本 한국", "日本 한국"},
      {"😀éı", "😀ÉI", "😀éı", "😀ÉI"},
      {"𐐨İa\x80", "𐐀İA\x80", "𐐨ia\x80", "𐐀iA\x80"}};
  const PortableCharCase char_case;
  for (const auto& [text, upper, lower, inverted] : names) {
    EXPECT_EQ(SimpleUpperCase(text), upper) << text;
    EXPECT_EQ(SimpleLowerCase(text), lower) << text;
    EXPECT_EQ(InvertCase(text, char_case), inverted) << text;
  }
  EXPECT_EQ(InvertCase("File", TurkishCharCase()), "fİLE");  // the locale decides
}

TEST(TextModifiers, ProcessTextModifierChoosesTheVariantAndKeepsToTheSelection) {
  const std::string spaces = "a  b c", dots = "a..b.c";
  const std::tuple<const char*, InputMode, bool, std::string, TextSelection, const char*,
                   TextSelection>
      cases[] = {
          {"FNC_SpaceToDot", InputMode::kNormal, true, spaces, {0, 0}, "a  b.c", {0, 0}},
          {"FNC_SpaceToDot", InputMode::kNormal, false, spaces, {0, 0}, "a..b.c", {0, 0}},
          {"FNC_SpaceToDot", InputMode::kExtended, true, spaces, {0, 0}, "a..b.c", {0, 0}},
          {"FNC_DotToSpace", InputMode::kNormal, true, dots, {0, 0}, "a..b c", {0, 0}},
          {"FNC_InvertCase", InputMode::kExtended, false, "Ab\r\ncD", {0, 0}, "aB\r\nCd", {0, 0}},
          {"FNC_UserFnc1", InputMode::kNormal, true, spaces, {0, 0}, "a  b c", {0, 0}},
          // "b c" selected: the blank before it lies outside the selection.
          {"FNC_SpaceToDot", InputMode::kNormal, true, "a b c d", {2, 3}, "a b.c d", {2, 3}},
          // A blank at the start of the selection counts as having no blank before it.
          {"FNC_SpaceToDot", InputMode::kNormal, true, "a b", {1, 2}, "a.b", {1, 2}},
          {"FNC_InvertCase", InputMode::kNormal, true, "New Folder", {4, 0}, "nEW fOLDER", {4, 0}},
          // A selection beyond the text is cut to it.
          {"FNC_InvertCase", InputMode::kNormal, true, "abc", {50, 3}, "ABC", {3, 0}},
          // One that ends inside a character keeps it whole, and a character whose bytes
          // change keeps its place.
          {"FNC_InvertCase", InputMode::kNormal, true, "Łx", {0, 1}, "łX", {0, 0}},
          {"FNC_InvertCase", InputMode::kNormal, true, "xıy", {1, 3}, "xIY", {1, 2}}};
  const PortableCharCase char_case;
  for (const auto& [function, mode, intelli, text, selection, changed, kept] : cases) {
    const ModifiedText result =
        ProcessTextModifier(function, text, selection, mode, intelli, char_case);
    EXPECT_EQ(std::tie(result.text, result.selection), std::make_tuple(std::string(changed), kept))
        << function << " " << text;
  }
}

TEST(TextUtils, TrimRemovesBlanksAndControlCharactersOnBothEnds) {
  const std::tuple<std::string, const char*, const char*, const char*> cases[] = {
      {"", "", "", ""},
      {"  a b  ", "a b", "a b  ", "  a b"},
      {"\t\r\na\x01", "a", "a\x01", "\t\r\na"},
      // Bytes above 127 are letters of the code page, never blanks.
      {"\xA0x\xE9", "\xA0x\xE9", "\xA0x\xE9", "\xA0x\xE9"}};
  for (const auto& [in, both, left, right] : cases) {
    EXPECT_EQ(std::make_tuple(Trim(in), TrimLeft(in), TrimRight(in)),
              std::make_tuple(both, left, right));
    EXPECT_EQ(IsBlank(in), std::string(both).empty()) << in;
  }
}

TEST(TextUtils, CaseFoldingTouchesAsciiOnlyAndReplaceAllDoesNotRescanInsertedText) {
  EXPECT_EQ(FindIgnoreCase("R&D and r&d", "R&D", 1), 8u);
  for (std::size_t missing :
       {FindIgnoreCase("ab", "abc"), FindIgnoreCase("abc", ""), FindIgnoreCase("abc", "c", 5)})
    EXPECT_EQ(missing, std::string::npos);
  EXPECT_FALSE(ContainsIgnoreCase("\xC9", "\xE9"));
  EXPECT_TRUE(ContainsIgnoreCase("x\xE9Y", "\xE9y"));
  EXPECT_FALSE(IsAsciiDigit('\xB2'));  // superscript two is no digit
  EXPECT_EQ(AsciiUpperCase("c:\\xz`{\xE9") + "|" + AsciiLowerCase("C:\\X[\xC9"),
            "C:\\XZ`{\xE9|c:\\x[\xC9");
  EXPECT_TRUE(EqualsIgnoreCase("Winamp v1.x", "WINAMP V1.X"));
  EXPECT_FALSE(EqualsIgnoreCase("\xC9", "\xE9") || EqualsIgnoreCase("ab", "abc"));
  EXPECT_EQ(CopyChars("abc", 0, 2) + CopyChars("abc", 3, 0) + CopyChars("abc", 3, 5), "abc");
  EXPECT_EQ(CopyChars("\u0141x\u0141", 2, 3), "x");    // whole characters only
  EXPECT_FALSE(EqualsIgnoreCase("Winamp", "WINAMQ"));  // every character counts, not the first
  const std::tuple<const char*, const char*, const char*, const char*, const char*> replacements[] =
      {{"R&D r&d", "&", "and", "RandD randd", "RandD randd"},
       {"aaa", "a", "aa", "aaaaaa", "aaaaaa"},
       {"Abc aBC", "abc", "x", "Abc aBC", "x x"},
       {"abc", "", "x", "abc", "abc"}};
  for (const auto& [text, from, to, exact, folded] : replacements)
    EXPECT_EQ(ReplaceAll(text, from, to) + "|" + ReplaceAllIgnoreCase(text, from, to),
              std::string(exact) + "|" + folded);
}

TEST(TextUtils, SplitLinesJoinLinesAndFileNamesCutAtTheLastSeparatorAndDot) {
  const std::pair<const char*, Lines> cases[] = {
      {"", {}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\r", {"a", ""}},
      // Long lines are searched a word at a time: breaks on and off a word's edge, other
      // control bytes and high bytes beside them.
      {"01234567\n89abcdef\r", {"01234567", "89abcdef"}},
      {"0123456789abc\rdefghijklmnop", {"0123456789abc", "defghijklmnop"}},
      {"0123456789\r\nab\x01\x0B\x0D\x0E\xE9\xE9\xE9\xE9\xE9\n",
       {"0123456789", "ab\x01\x0B", "\x0E\xE9\xE9\xE9\xE9\xE9"}}};
  for (const auto& [text, lines] : cases) EXPECT_EQ(SplitLines(text), lines) << text;
  EXPECT_EQ(JoinLines(SplitLines("x\r\n*y\r\n\r\nz")), "x\r\n*y\r\n\r\nz");
  EXPECT_EQ(JoinLines({""}), "");
  const std::tuple<const char*, const char*, const char*> names[] = {
      {"C:\\Music\\song.mp3", "song.mp3", "song"},
      {"C:song.tar.gz", "song.tar.gz", "song.tar"},
      {"AC/DC.mp3", "AC/DC.mp3", "AC/DC"},
      {".hidden", ".hidden", ""},
      {"", "", ""}};
  for (const auto& [path, name, bare] : names)
    EXPECT_EQ(ExtractFileName(path) + "|" + FileNameWithoutExtension(path),
              std::string(name) + "|" + bare);
}

const char kProgramDir[] = "C:\\Tools\\Kestrix\\";
TEST(UserApps, DiscoveryIdentifiersAndCleaningWithCutMarkers) {
  const std::pair<const char*, const char*> cases[] = {
      {"app_test.ini.bak", "test.bak"}, {"app_App_x.ini", "x"},   {"APP_Y.INI", "Y"},
      {"app_mini.ini", "mini"},         {"app_a.inia.ini", "aa"}, {"app_", ""}};
  for (const auto& [file, id] : cases) EXPECT_EQ(UserAppIdFromFileName(file), id) << file;
  FakeFileSystem files;
  files.AddFile("C:\\Tools\\Kestrix\\Plugins\\app_test.ini.bak", "");
  files.AddFile("C:\\Tools\\Kestrix\\Plugins\\app_App_x.ini", "");
  files.AddFile("C:\\Tools\\Kestrix\\Plugins\\readme.txt", "");
  files.AddDirectory("C:\\Tools\\Kestrix\\Plugins\\app_folder");
  // The program folder may be given without its final "\".
  Lines ids = DiscoverUserApps(files, "C:\\Tools\\Kestrix", DisablePlugins::kNewApplication);
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(ids, (Lines{"folder", "test.bak", "x"}));
  EXPECT_TRUE(DiscoverUserApps(files, kProgramDir, DisablePlugins::kApplications).empty());
  // The list is trimmed as one text: an empty identifier at its end disappears, and the
  // leading blank of the first one too.
  FakeFileSystem edges;
  edges.AddFile("C:\\P\\Plugins\\app_ lead.ini", "");
  edges.AddFile("C:\\P\\Plugins\\app_.ini", "");
  EXPECT_EQ(DiscoverUserApps(edges, "C:\\P", DisablePlugins::kNone), (Lines{"lead"}));
  FakeFileSystem tail;  // and the trailing blank of the last one
  tail.AddFile("C:\\P\\Plugins\\app_tail .ini", "");
  EXPECT_EQ(DiscoverUserApps(tail, "C:\\P", DisablePlugins::kNone), (Lines{"tail"}));
  // raw, left cut, right cut, flags (t: trim, x: extract file name, r: remove extension)
  const std::tuple<const char*, const char*, const char*, const char*, const char*> cuts[] = {
      {"12. Song - Winamp", ". ", " - Winamp", "", "Song"},
      // Left marker absent: its length less one characters go.
      {"Song - Winamp", ". ", " - Winamp", "", "ong"},
      // Right marker: up to the last character found in it, less its length.
      {"Title [x]", "", "]", "", "Title [x"},
      // Lengths count UTF-16 units; no cut splits a character.
      {"\u0141\u00F3d\u017A - Winamp", ". ", " - Winamp", "", "\u00F3d\u017A"},
      {"a\U0001F600b\U0001F600", "", "\U0001F600", "", "a\U0001F600b"},
      // A "-" left by a missing window is cut by a marker holding "-".
      {"-", "", " - Winamp", "", ""},
      {"  padded  ", "", "", "t", "padded"},
      {"C:\\Music\\song.mp3", "", "", "xr", "song"},
      {"C:\\Music\\", "", "", "x", "C:\\Music\\"},  // a blank file name changes nothing
      {"   ", "", "", "", ""}};
  for (const auto& [raw, left, right, flags, value] : cuts) {
    UserApplication app;
    app.left_cut = left;
    app.right_cut = right;
    app.enable_trim = std::strchr(flags, 't') != nullptr;
    app.extract_file_name = std::strchr(flags, 'x') != nullptr;
    app.remove_extension = std::strchr(flags, 'r') != nullptr;
    EXPECT_EQ(CleanUserAppValue(raw, app, false), value) << raw << "|" << left;
  }
  // A blank result is "-" only for the preview.
  EXPECT_EQ(CleanUserAppValue("  ", UserApplication{}, true), "-");
  EXPECT_EQ(CleanUserAppValue("-", UserApplication{}, false), "-");
}

class UserAppMethods : public ::testing::Test {
 protected:
  UserApplication CopyData() {
    windows.Add(0, "Target", "");
    UserApplication app;
    app.method = kMethodCopyData;
    app.window_class = "Target";
    return app;
  }
  FakeWindowSystem windows;
  FakeSharedMemory memory;
  FakeLocale locale;
  UserAppReaders readers{windows, memory, locale, 0x77, ""};
};

TEST_F(UserAppMethods, CopyDataSendsTheNumberAndLength) {
  UserApplication app = CopyData();
  app.dw_data = "$1010B";
  app.cb_data = 4;
  CopyDataSeen seen;
  windows.Get(windows.FindWindow(0, 0, "Target", std::nullopt)).copy_data =
      WriteReply(windows, std::string("D:\\clip.avi\0", 12), &seen);
  EXPECT_EQ(ReadUserAppRaw("cd", app, readers), "D:\\clip.avi");
  EXPECT_EQ(seen, std::make_tuple(uintptr_t{0x1010B}, 4u, WindowHandle{0x77}));
  app.dw_data = "123";
  ReadUserAppRaw("cd", app, readers);
  EXPECT_EQ(std::get<0>(seen), 123u);
  app.dw_data = "-1";  // only the low 32 bits are sent
  ReadUserAppRaw("cd", app, readers);
  EXPECT_EQ(std::get<0>(seen), 0xFFFFFFFFu);
}

TEST_F(UserAppMethods, InvalidCopyDataFieldsGiveAClearMessage) {
  UserApplication app = CopyData();
  for (const char* bad : {"xyz", "$", "12abc", "$G1", ""}) {
    app.dw_data = bad;
    EXPECT_THAT([&] { ReadUserAppRaw("cd", app, readers); },
                ThrowsMessage<VariableError>(::testing::AllOf(
                    HasSubstr("{cd}"), HasSubstr("dwData \"" + std::string(bad) + "\""))));
  }
  app.dw_data = "1";
  for (int bad : {-1, kMaxCopyDataLength + 1}) {
    app.cb_data = bad;
    EXPECT_THROW(ReadUserAppRaw("cd", app, readers), VariableError) << bad;
  }
  EXPECT_EQ(windows.copy_data_requests, 0);
  app.cb_data = kMaxCopyDataLength;
  EXPECT_EQ(ReadUserAppRaw("cd", app, readers), "");
  EXPECT_EQ(windows.copy_data_requests, 1);
}

TEST_F(UserAppMethods, WindowCaptionSharedMemoryAndUnknownMethods) {
  UserApplication app;
  app.method = kMethodWindowCaption;
  app.window_title = "- Editor";
  windows.Add(0, "X", "notes.txt - Editor");
  EXPECT_EQ(ReadUserAppRaw("ed", app, readers), "-");  // host not running
  windows.Add(0, "TTOTAL_CMD", "Total Commander");
  EXPECT_EQ(ReadUserAppRaw("ed", app, readers), "notes.txt - Editor");
  app.window_title = "- editor";  // case-sensitive
  EXPECT_EQ(ReadUserAppRaw("ed", app, readers), "-");
  app.method = kMethodSharedMemory;  // without a name
  memory.mappings[""] = std::vector<uint8_t>(10, 0);
  EXPECT_EQ(ReadUserAppRaw("sm", app, readers), "-");
  app.method = 7;
  EXPECT_EQ(EvaluateUserApp("sm", app, readers, false), "-");
  app.right_cut = "-";
  EXPECT_EQ(EvaluateUserApp("sm", app, readers, false), "");
  EXPECT_EQ(EvaluateUserApp("sm", app, readers, true), "-");
}

TEST(VariableMenu, CaptionsTokensAndTheEnvironmentSubmenu) {
  EXPECT_EQ(UserAppMenuCaption("xxct", "  User defined "), "{xxct}     - User defined");
  EXPECT_EQ(UserAppMenuCaption("abcdefghij", "Long"), "{abcdefghij} - Long");
  EXPECT_EQ(TokenFromUserAppCaption("{x&xct}     - Name") + TokenFromUserAppCaption("no braces"),
            "{xxct}{}");
  EXPECT_EQ(TokenFromEnvironmentCaption(" %&PATH% "), "%PATH%");
  // The environment submenu leaves out the first entry.
  FakeEnvironment environment{{"=C:", "C:\\"}, {"ALPHA", "1"}, {"BETA", "2"}, {"GAMMA", "3"}};
  std::vector<EnvironmentMenuEntry> entries = EnvironmentMenuEntries(environment);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].item_name + entries[0].caption, "envVar_1%BETA%");
  EXPECT_EQ(entries[1].item_name + entries[1].caption, "envVar_2%GAMMA%");
}

TEST(TemplateRows, AddReplacesTheSameNameAndDeletingUserFromThePopupIsRemembered) {
  using Lines = std::vector<std::pair<std::string, std::string>>;
  TemplateRows rows(Lines{{"Current username", "{user}"}, {"Work", "W_%Y"}});
  EXPECT_EQ(rows.Add("Template 3", "a", "Template"), "Template 4");
  EXPECT_TRUE(rows.Find("WORK")->name == "Work" && !rows.Find("Works"));  // as the file does
  EXPECT_EQ(rows.Add("work", "c", "Template"), "work");  // replaces Work, goes to the end
  rows.Delete(4, false);                                 // beyond the last row: nothing
  std::string shown;
  for (const TemplateRow& row : rows.Rows())
    shown += std::to_string(row.number) + row.name + "=" + row.text + ";";
  EXPECT_EQ(shown, "1Current username={user};3Template 3=a;3work=c;");
  rows.Delete(0, false);
  EXPECT_FALSE(rows.FirstTemplateDeleted());
  TemplateRows again(Lines{{"Me", "{user}"}});
  again.Delete(0, true);
  EXPECT_TRUE(again.FirstTemplateDeleted());
  BigIniFile ini;
  ini.SetText("[UserTemplates]\nOld=x\n[Additional]");
  rows.Write(ini);
  again.Write(ini);
  EXPECT_EQ(ReadTemplateLines(ini).size(), 0u);
  rows.Write(ini);
  EXPECT_EQ(ReadTemplateLines(ini).front(),
            (std::pair<std::string, std::string>{"Template 3", "a"}));
  EXPECT_EQ(ini.ReadString("Additional", "DoNotInstall1stTemplate", ""), "True");
  EXPECT_FALSE(CanAddTemplate(" ", "n") || CanAddTemplate("t", " "));
}

TEST(NewApplication, MethodsFillExamplesButKeepATypedClassAndFieldRules) {
  // typed class, method, class and caption after; an example gives way to another
  // (the copy-data fields are enabled for that method only)
  const std::tuple<const char*, int, const char*, const char*, bool> cases[] = {
      {"", kMethodCopyData, "BSPlayer", "", true},
      {"- VLC", kMethodWindowText, "Winamp v1.x", "", false},
      {"BSPlayer", kMethodWindowCaption, "", "- VLC", false},
      {"MyPlayer", kMethodWindowCaption, "MyPlayer", "", false}};
  for (const auto& [typed, method, window_class, caption, copy_data] : cases) {
    NewAppFields f;
    f.window_class = typed;
    PrepareMethod(f, method);
    EXPECT_EQ(std::tie(f.window_class, f.window_caption, f.copy_data_enabled),
              std::make_tuple(std::string(window_class), std::string(caption), copy_data))
        << typed;
    // Only the Winamp title is cut rather than taken as a file name.
    EXPECT_EQ(f.cut_left, !f.extract_file_name) << typed;
  }
  // The fields' own rules.
  EXPECT_EQ(CorrectedField(NewAppField::kId, "ab") + CorrectedField(NewAppField::kCbData, "") +
                CorrectedField(NewAppField::kDwData, "") + CorrectedField(NewAppField::kId, ""),
            "ab0$0xxct");
  std::string dw, id;
  for (char c : std::string("09afAFgG$-\b zZ@[`{/:")) {
    if (AcceptsDwDataChar(c)) dw += c;
    if (AcceptsIdChar(c)) id += c;
  }
  EXPECT_EQ(dw + "|" + id, "09afAF\b|afAFgG\bzZ");
  EXPECT_EQ(PreviewCaption("Rock & Roll"), "Rock && Roll");
}

TEST(NewApplication, OkRefusesTakenIdsAndWritesWhatTheExpansionReads) {
  FakeFileSystem files;
  files.AddFile("C:\\Kx\\Plugins\\app_abcd.ini", "");
  EXPECT_TRUE(IdentifierTaken(files, "C:\\Kx", "abcd") && IdentifierTaken(files, "C:\\Kx", "wact"));
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
  EXPECT_NE(text.find("Author=root\r\n"), std::string::npos);
  const UserApplication r = ReadUserApp(files, "C:\\Kx", "bspx");
  EXPECT_EQ(std::tie(r.menu_name, r.method, r.window_class, r.dw_data, r.cb_data, r.right_cut),
            std::make_tuple(ApplicationOf(f).menu_name, kMethodCopyData, "BSPlayer"s, "$1010B"s,
                            260, " - BS"s));
  EXPECT_TRUE(r.enable_trim && r.extract_file_name && r.remove_extension);
}
}  // namespace
}  // namespace kestrix
