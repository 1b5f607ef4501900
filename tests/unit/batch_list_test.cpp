#include "create/batch_list.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/text_utils.h"

namespace kestrix {
namespace {

using Lines = std::vector<std::string>;

TEST(BatchList, NumberForms) {
  struct Case {
    int value;
    std::string roman, abc;
  };
  const Case cases[] = {
      {0, "", ""},
      {1, "I", "A"},
      {4, "IV", "D"},
      {9, "IX", "I"},
      {14, "XIV", "N"},
      {26, "XXVI", "Z"},
      {27, "XXVII", "AA"},
      {52, "LII", "AZ"},
      {702, "DCCII", "ZZ"},
      {703, "DCCIII", "AAA"},
      {1994, "MCMXCIV", "BXR"},
      {4000, "MMMM", "EWV"},
      {10000, "MMMMMMMMMM", "NTP"},
      {-3, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatRoman(c.value), c.roman) << c.value;
    EXPECT_EQ(FormatAbc(c.value), c.abc) << c.value;
  }
  EXPECT_EQ(FormatDecimal(7, 1), "7");
  EXPECT_EQ(FormatDecimal(7, 3), "007");
  EXPECT_EQ(FormatDecimal(0, 1), "0");
  EXPECT_EQ(FormatDecimal(12345, 2), "12345");
  EXPECT_EQ(FormatDecimal(5, 10), "0000000005");
}

BatchFields Series(int from, int to, int step, int digits, NumberForm form = NumberForm::kDecimal) {
  BatchFields f;
  f.from = from;
  f.to = to;
  f.step = step;
  f.digits = digits;
  f.form = form;
  return f;
}

TEST(BatchList, SeriesDirectionStepAndForms) {
  struct Case {
    const char* name;
    BatchFields fields;
    Lines entries;
  };
  const Case cases[] = {
      {"ascending", Series(1, 3, 1, 1), {"1", "2", "3"}},
      {"padded", Series(8, 12, 1, 2), {"08", "09", "10", "11", "12"}},
      {"descending", Series(12, 8, 1, 2), {"12", "11", "10", "09", "08"}},
      {"one entry", Series(5, 5, 1, 1), {"5"}},
      {"off the grid", Series(1, 10, 4, 1), {"1", "5", "9"}},
      {"down off the grid", Series(10, 1, 4, 1), {"10", "6", "2"}},
      {"roman", Series(1, 4, 1, 3, NumberForm::kRoman), {"I", "II", "III", "IV"}},
      {"abc", Series(25, 28, 1, 1, NumberForm::kAbc), {"Y", "Z", "AA", "AB"}},
      {"zero in abc", Series(0, 1, 1, 1, NumberForm::kAbc), {"", "A"}},
      {"no form", Series(1, 3, 1, 1, NumberForm::kNone), {}},
      {"step beyond range", Series(3, 9, 10000, 1), {"3"}},
  };
  for (const Case& c : cases) EXPECT_EQ(GenerateBatchEntries(c.fields), c.entries) << c.name;
}

TEST(BatchList, ValuesOutsideTheFieldsAreClampedSoTheSeriesEnds) {
  EXPECT_EQ(GenerateBatchEntries(Series(2, 4, 0, 1)), (Lines{"2", "3", "4"}));
  EXPECT_EQ(GenerateBatchEntries(Series(2, 0, -5, 1)), (Lines{"2", "1", "0"}));
  EXPECT_EQ(GenerateBatchEntries(Series(1, 1, 1, 99)), (Lines{"0000000001"}));
  EXPECT_EQ(GenerateBatchEntries(Series(-7, 0, 1, 0)), (Lines{"0"}));
  const Lines all = GenerateBatchEntries(Series(0, 2000000000, 1, 1));
  ASSERT_EQ(all.size(), 10001u);
  EXPECT_EQ(all.back(), "10000");
}

TEST(BatchList, PrefixAndSuffixWithSubdirectories) {
  BatchFields f = Series(1, 2, 1, 1);
  f.prefix = "Photo ";
  f.suffix = "*raw*jpg";
  EXPECT_EQ(SplitLines(GenerateBatchDirList(f)),
            (Lines{"Photo 1", "*raw", "*jpg", "Photo 2", "*raw", "*jpg"}));
  f.suffix = " (backup)";
  EXPECT_EQ(GenerateBatchDirList(f), "Photo 1 (backup)\r\nPhoto 2 (backup)");
  EXPECT_EQ(GenerateBatchDirList(Series(1, 3, 1, 1, NumberForm::kNone)), "");
}

// The default texts with one field set.
BatchFieldTexts With(BatchField field, const std::string& text) {
  BatchFieldTexts texts;
  switch (field) {
    case BatchField::kFrom:
      texts.from = text;
      break;
    case BatchField::kTo:
      texts.to = text;
      break;
    case BatchField::kStep:
      texts.step = text;
      break;
    case BatchField::kDigits:
      texts.digits = text;
      break;
  }
  return texts;
}

TEST(BatchList, FieldCorrections) {
  struct Case {
    BatchField field;
    std::string text;
    std::optional<std::string> corrected;
  };
  const Case cases[] = {
      {BatchField::kFrom, "", "0"},
      {BatchField::kFrom, "20000", "10000"},
      {BatchField::kTo, "10000", std::nullopt},
      {BatchField::kTo, "10001", "10000"},
      {BatchField::kTo, "0", std::nullopt},
      {BatchField::kTo, "99999999999999999999", "10000"},
      {BatchField::kStep, "0", "1"},
      {BatchField::kStep, "00", "1"},
      {BatchField::kStep, "", "1"},
      {BatchField::kStep, "20000", "10000"},
      {BatchField::kDigits, "", "1"},
      {BatchField::kDigits, "0", "1"},
      {BatchField::kDigits, "11", "10"},
      {BatchField::kDigits, "10", std::nullopt},
      {BatchField::kFrom, "1a2", "12"},
      {BatchField::kStep, "-", "1"},
      {BatchField::kFrom, " 7", "7"},
      {BatchField::kFrom, "007", std::nullopt},
  };
  for (const Case& c : cases) {
    const BatchFieldChange change = OnBatchFieldChange(c.field, With(c.field, c.text), true, false);
    EXPECT_EQ(change.corrected, c.corrected) << c.text;
    // A correction does nothing else: the change it causes runs the handler again, and
    // the corrected text needs no further correction.
    if (change.corrected) {
      EXPECT_FALSE(change.regenerate) << c.text;
      EXPECT_FALSE(change.digits) << c.text;
      EXPECT_FALSE(
          OnBatchFieldChange(c.field, With(c.field, *change.corrected), true, false).corrected)
          << c.text;
    }
  }
}

TEST(BatchList, BoundChangesSetDirectionAndAutomaticDigits) {
  struct Case {
    std::string from, to;
    bool digits_auto;
    bool descending;
    std::optional<std::string> digits;
  };
  const Case cases[] = {
      {"1", "3", true, false, "1"},     {"8", "12", true, false, "2"},
      {"12", "8", true, true, "2"},     {"100", "9", true, true, "3"},
      {"5", "5", true, false, "1"},     {"8", "12", false, false, std::nullopt},
      {"0", "10000", true, false, "5"},
  };
  for (const Case& c : cases) {
    BatchFieldTexts texts;
    texts.from = c.from;
    texts.to = c.to;
    for (BatchField field : {BatchField::kFrom, BatchField::kTo}) {
      const BatchFieldChange change = OnBatchFieldChange(field, texts, c.digits_auto, false);
      EXPECT_FALSE(change.corrected);
      EXPECT_TRUE(change.regenerate);
      EXPECT_EQ(change.descending, c.descending) << c.from << ".." << c.to;
      EXPECT_EQ(change.digits, c.digits) << c.from << ".." << c.to;
    }
  }
}

TEST(BatchList, NothingRegeneratesWhileFilling) {
  const BatchFieldTexts texts;
  for (BatchField field :
       {BatchField::kFrom, BatchField::kTo, BatchField::kStep, BatchField::kDigits}) {
    EXPECT_FALSE(OnBatchFieldChange(field, texts, true, true).regenerate);
    EXPECT_TRUE(OnBatchFieldChange(field, texts, true, false).regenerate);
  }
  EXPECT_TRUE(OnBatchFieldChange(BatchField::kTo, texts, true, true).digits);
  EXPECT_FALSE(OnBatchFieldChange(BatchField::kStep, texts, true, false).descending);
}

TEST(BatchList, ReadBatchFieldsClampsTheTexts) {
  BatchFieldTexts texts{"12", "99999", "0", "50"};
  const BatchFields fields = ReadBatchFields(texts, "p", "s", NumberForm::kRoman);
  EXPECT_EQ(fields.from, 12);
  EXPECT_EQ(fields.to, 10000);
  EXPECT_EQ(fields.step, 1);
  EXPECT_EQ(fields.digits, 10);
  EXPECT_EQ(ReadFieldValue(""), 0);
  EXPECT_EQ(ReadFieldValue("0042"), 42);
}

TEST(BatchList, PrefillFromTheLastLine) {
  struct Case {
    Lines list;
    bool filled;
    std::optional<int> from, to;
    std::optional<std::string> prefix, suffix;
  };
  const Case cases[] = {
      {{"a", "Disc 07"}, true, 8, 10, "Disc ", std::nullopt},
      {{"2010 report"}, true, 2011, 2013, std::nullopt, " report"},
      {{"Take12345"}, true, 2346, 2348, "Take1", std::nullopt},
      {{"9999"}, true, 10000, 10000, "", std::nullopt},
      {{"v9998"}, true, 9999, 10000, "v", std::nullopt},
      {{"7"}, true, 8, 10, "", std::nullopt},
      {{"1x"}, true, 2, 4, std::nullopt, "x"},
      {{"Disc 07 "}, true, std::nullopt, std::nullopt, "Disc 07 ", std::nullopt},
      {{"Holiday"}, true, std::nullopt, std::nullopt, "Holiday", std::nullopt},
      {{"Disc 07", "   "}, false, {}, {}, {}, {}},
      {{"  ", "\t"}, false, {}, {}, {}, {}},
      {{}, false, {}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    const std::optional<BatchPrefill> prefill = PrefillFromList(c.list);
    ASSERT_EQ(prefill.has_value(), c.filled) << JoinLines(c.list);
    if (!prefill) continue;
    EXPECT_EQ(prefill->from, c.from) << JoinLines(c.list);
    EXPECT_EQ(prefill->to, c.to) << JoinLines(c.list);
    EXPECT_EQ(prefill->prefix, c.prefix) << JoinLines(c.list);
    EXPECT_EQ(prefill->suffix, c.suffix) << JoinLines(c.list);
  }
}

TEST(BatchList, PrefillThenGenerateShowsTheNextDiscs) {
  const BatchPrefill prefill = *PrefillFromList({"Disc 05", "Disc 06", "Disc 07"});
  BatchFieldTexts texts;
  texts.from = std::to_string(*prefill.from);
  texts.to = std::to_string(*prefill.to);
  const BatchFieldChange change = OnBatchFieldChange(BatchField::kTo, texts, true, true);
  ASSERT_TRUE(change.digits);
  texts.digits = *change.digits;
  const BatchFields fields = ReadBatchFields(texts, *prefill.prefix, "", NumberForm::kDecimal);
  EXPECT_EQ(GenerateBatchEntries(fields), (Lines{"Disc 08", "Disc 09", "Disc 10"}));
}

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + std::string.
std::string Label(int i) {
  std::string label(1, 'L');
  label.append(std::to_string(i));
  return label;
}

Lines Numbered(int count) {
  Lines lines;
  for (int i = 1; i <= count; ++i) lines.push_back(Label(i));
  return lines;
}

TEST(BatchList, AffixItemsFromAShortList) {
  const Lines list = {"b", "a=x", " ", "b", "c", "a=x", ""};
  EXPECT_EQ(BuildAffixItems(list, {"Disc ", "k=v"}, AffixList::kPrefix),
            (Lines{"b", "c", "x", "Disc ", "k=v"}));
  EXPECT_EQ(BuildAffixItems({}, {"s", "s"}, AffixList::kSuffix), (Lines{"s", "s"}));
  // Texts differing only in case are different items.
  EXPECT_EQ(BuildAffixItems({"A", "a"}, {}, AffixList::kPrefix), (Lines{"A", "a"}));
}

TEST(BatchList, AffixItemsFromALongListTakeBothEnds) {
  Lines expected31;
  for (int i = 1; i <= 16; ++i) expected31.push_back(Label(i));
  for (int i = 31; i >= 17; --i) expected31.push_back(Label(i));
  EXPECT_EQ(BuildAffixItems(Numbered(31), {}, AffixList::kPrefix), expected31);
  EXPECT_EQ(BuildAffixItems(Numbered(31), {}, AffixList::kSuffix), expected31);

  // 30 lines: whole for the prefix; both ends for the suffix, where line 16 is taken twice
  // and keeps its later place.
  EXPECT_EQ(BuildAffixItems(Numbered(30), {}, AffixList::kPrefix), Numbered(30));
  Lines expected_suffix;
  for (int i = 1; i <= 15; ++i) expected_suffix.push_back(Label(i));
  for (int i = 30; i >= 16; --i) expected_suffix.push_back(Label(i));
  EXPECT_EQ(BuildAffixItems(Numbered(30), {}, AffixList::kSuffix), expected_suffix);

  Lines with_gap = Numbered(40);
  with_gap[20] = "   ";  // a blank line outside both ends changes nothing
  with_gap[0] = "";
  const Lines items = BuildAffixItems(with_gap, {}, AffixList::kPrefix);
  ASSERT_EQ(items.size(), 30u);
  EXPECT_EQ(items.front(), "L2");
  EXPECT_EQ(items.back(), "L26");
}

TEST(BatchList, SuffixEditorRoundTrip) {
  EXPECT_EQ(SuffixToEditorText(" x*a*b ", "Subdir"), "x\r\n*a\r\n*b");
  EXPECT_EQ(SuffixToEditorText(" report", " Subdir "), "report\r\n* Subdir 1");
  EXPECT_EQ(SuffixToEditorText("", "Subdir"), "* Subdir 1");
  EXPECT_EQ(SuffixFromEditorText("x\r\n*a\r\n*b\r\n"), "x*a*b");
  EXPECT_EQ(SuffixFromEditorText(SuffixToEditorText("*raw*jpg", "Subdir")), "*raw*jpg");
}

}  // namespace
}  // namespace kestrix
