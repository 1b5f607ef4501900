#include <gtest/gtest.h>

#include "tcsim/ini_text.h"
#include "tcsim/listing.h"

namespace kestrix::tcsim {
namespace {

struct Reading {
  std::string name, info;
};

// How the utility reads a detailed-view line it got as "index : item": tabs become
// blanks; the name runs from after the first ":" to the fourth blank from the end; the
// size column is found from the last ":" (the one in the time) backwards.
Reading ReadLikeTheUtility(int index, const std::string& item_text) {
  std::string item = std::to_string(index) + " : " + item_text;
  for (char& c : item) c = c == '\t' ? ' ' : c;
  size_t q = 0;  // 1-based
  for (size_t i = item.size(), blanks = 0; i-- > 0;) {
    if (item[i] == ' ' && ++blanks == 4) {
      q = i + 1;
      break;
    }
  }
  size_t c = item.find(':') + 2;
  Reading reading;
  if (q > c) reading.name = Trim(item.substr(c - 1, q - c));
  size_t s = q - c + 5, last_colon = item.rfind(':') + 1;
  if (last_colon >= 14 + s) reading.info = Trim(item.substr(s - 1, last_colon - 14 - s));
  return reading;
}

Entry File(const std::string& name, uint64_t size) {
  Entry e{name, false, size, 2024, 3, 5, 14, 7};
  e.archive = true;
  return e;
}

Entry Dir(const std::string& name) {
  return {name, true, 0, 2023, 12, 31, 23, 59};
}

TEST(TcsimListing, DetailedItemsReadBackAsNameAndSize) {
  struct Case {
    Entry entry;
    int index;
    const char* info;
  } cases[] = {
      {File("Report.2024.pdf", 12345), 0, "12345"},
      {File("my notes.txt", 0), 3, "0"},
      {File("a", 18446744073709551615ull), 7, "18446744073709551615"},
      {Dir("Photos.old"), 1, "<DIR>"},
      {Dir("New folder"), 0, "<DIR>"},
      {Dir(".."), 0, "<DIR>"},
  };
  for (const Case& c : cases) {
    std::string item = FormatItem(c.entry, View::Detailed);
    ASSERT_TRUE(item.back() == '-' || item.back() == 's') << item;
    Reading reading = ReadLikeTheUtility(c.index, item);
    EXPECT_EQ(reading.name, c.entry.name) << item;
    EXPECT_EQ(reading.info, c.info) << item;
  }
}

TEST(TcsimListing, DetailedItemColumns) {
  Entry e = File("x.txt", 5);
  EXPECT_EQ(FormatItem(e, View::Detailed), "x.txt\t5\t05.03.2024 14:07\t-a--");
  e.read_only = e.hidden = e.system = true;
  e.archive = false;
  EXPECT_EQ(FormatItem(e, View::Detailed), "x.txt\t5\t05.03.2024 14:07\tr-hs");
  EXPECT_EQ(FormatItem(Dir("d"), View::Detailed), "d\t<DIR>\t31.12.2023 23:59\t----");
}

TEST(TcsimListing, BriefItemsMarkDirectories) {
  EXPECT_EQ(FormatItem(File("Setup.exe", 1), View::Brief), "Setup.exe");
  EXPECT_EQ(FormatItem(Dir("Photos.old"), View::Brief), "Photos.old <DIR>");
}

TEST(TcsimListing, SortsParentThenDirectoriesThenFilesIgnoringCase) {
  std::vector<Entry> entries = {File("b.txt", 1), Dir("zeta"),  File("A.txt", 1),
                                Dir(".."),        Dir("Alpha"), File("a.TXT", 2)};
  SortListing(entries);
  std::vector<std::string> names;
  for (const Entry& e : entries) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{"..", "Alpha", "zeta", "A.txt", "a.TXT", "b.txt"}));
}

TEST(TcsimListing, FindsEntriesExactlyBeforeIgnoringCase) {
  std::vector<Entry> entries = {File("readme.TXT", 1), File("Readme.txt", 1)};
  EXPECT_EQ(FindEntry(entries, "Readme.txt"), 1);
  EXPECT_EQ(FindEntry(entries, "README.TXT"), 0);
  EXPECT_EQ(FindEntry(entries, "other"), -1);
  EXPECT_EQ(FindEntry({}, "x"), -1);
}

}  // namespace
}  // namespace kestrix::tcsim
