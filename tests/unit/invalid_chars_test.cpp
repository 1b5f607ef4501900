#include "create/invalid_chars.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrix {
namespace {

const std::vector<CharReplacement> kAmpersand = {{"&", "and"}};

TEST(InvalidChars, DetectsFixedCharactersStarsInNormalModeAndUserKeys) {
  struct Case {
    std::string text;
    InputMode mode;
    bool invalid;
  };
  const Case cases[] = {
      {"plain name", InputMode::kNormal, false}, {"a:b", InputMode::kNormal, true},
      {"what?", InputMode::kExtended, true},     {"say \"hi\"", InputMode::kNormal, true},
      {"<x>", InputMode::kExtended, true},       {"a*b", InputMode::kNormal, true},
      {"a\r\n*b", InputMode::kExtended, false},  {"R&D", InputMode::kNormal, true},
      {"a\\b/c|d", InputMode::kNormal, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ContainsInvalidChars(c.text, c.mode, kAmpersand), c.invalid) << c.text;
  }
}

TEST(InvalidChars, UserKeysMatchWithoutCaseAndEmptyKeysNeverMatch) {
  const std::vector<CharReplacement> rules = {{"tmp", "temp"}, {"", "x"}};
  EXPECT_TRUE(ContainsInvalidChars("My TMP dir", InputMode::kNormal, rules));
  EXPECT_FALSE(ContainsInvalidChars("My dir", InputMode::kNormal, rules));
}

TEST(InvalidChars, ReplacementFallsBackWhenItIsInvalidItself) {
  struct Case {
    std::string replacement, effective;
  };
  const Case cases[] = {{"_", "_"}, {"?", "_"}, {"<", "_"}, {"a*", "_"}, {"-", "-"}, {"", ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(EffectiveInvalidCharReplace(c.replacement), c.effective) << c.replacement;
  }
}

TEST(InvalidChars, RepairReplacesUserKeysFirstThenFixedCharacters) {
  struct Case {
    std::string text;
    InputMode mode;
    std::string replacement;
    std::vector<CharReplacement> keys;
    std::string repaired;
  };
  const Case cases[] = {
      {"a:b", InputMode::kNormal, "_", {}, "a_b"},
      {"a:b", InputMode::kNormal, "?", {}, "a_b"},
      {"R&D", InputMode::kNormal, "_", kAmpersand, "RandD"},
      {"r&d a*b", InputMode::kNormal, "-", kAmpersand, "randd a-b"},
      {"x\r\n*y?", InputMode::kExtended, "_", {}, "x\r\n*y_"},
      // A value that brings an invalid character back is cleaned in the same pass.
      {"a#b", InputMode::kNormal, "_", {{"#", ":"}}, "a_b"},
      // Keys apply in order; a key equal to the replacement is skipped.
      {"ab_", InputMode::kNormal, "_", {{"a", "b"}, {"B", "c"}, {"_", "!"}}, "cc_"},
      {"AbC", InputMode::kNormal, "_", {{"abc", "x"}}, "x"},
  };
  for (const Case& c : cases) {
    const InvalidCharRules rules{InvalidCharAction::kReplace, c.replacement, c.keys};
    EXPECT_EQ(RepairInvalidChars(c.text, c.mode, rules), c.repaired) << c.text;
  }
}

TEST(InvalidChars, VerdictFollowsTheAction) {
  struct Case {
    InvalidCharAction action;
    InvalidCharVerdict verdict;
  };
  const Case cases[] = {{InvalidCharAction::kWarn, InvalidCharVerdict::kWarn},
                        {InvalidCharAction::kReplace, InvalidCharVerdict::kRepair},
                        {InvalidCharAction::kUnknown, InvalidCharVerdict::kRefuse}};
  for (const Case& c : cases) {
    const InvalidCharRules rules{c.action, "_", kAmpersand};
    EXPECT_EQ(JudgeInvalidChars("R&D", InputMode::kNormal, rules, false), c.verdict);
    EXPECT_EQ(JudgeInvalidChars("R and D", InputMode::kNormal, rules, false),
              InvalidCharVerdict::kValid);
  }
}

TEST(InvalidChars, ARepairRestartsTheRunAtMostOnce) {
  // Each rule set leaves a user key in the repaired text: a key equal to the replacement,
  // and a value that contains its own key.
  const std::vector<std::vector<CharReplacement>> stubborn = {{{"_", "x"}}, {{"&", "&&"}}};
  for (const auto& keys : stubborn) {
    const InvalidCharRules rules{InvalidCharAction::kReplace, "_", keys};
    const std::string text = "a_b&c:d";
    ASSERT_EQ(JudgeInvalidChars(text, InputMode::kNormal, rules, false),
              InvalidCharVerdict::kRepair);
    const std::string repaired = RepairInvalidChars(text, InputMode::kNormal, rules);
    EXPECT_TRUE(ContainsInvalidChars(repaired, InputMode::kNormal, keys)) << repaired;
    EXPECT_EQ(JudgeInvalidChars(repaired, InputMode::kNormal, rules, true),
              InvalidCharVerdict::kValid)
        << repaired;
  }
}

TEST(InvalidChars, FixedCharactersStillCountAfterARepair) {
  const InvalidCharRules rules{InvalidCharAction::kReplace, "_", {}};
  EXPECT_EQ(JudgeInvalidChars("a:b", InputMode::kNormal, rules, true), InvalidCharVerdict::kRepair);
  EXPECT_EQ(JudgeInvalidChars("a*b", InputMode::kExtended, rules, true),
            InvalidCharVerdict::kValid);
}

}  // namespace
}  // namespace kestrix
