#include <gtest/gtest.h>

#include "tcsim/host_keys.h"

namespace kestrix::tcsim {
namespace {

constexpr uint32_t kF7 = 0x76, kF8 = 0x77;

TEST(TcsimHostKeys, ParsesTheHostNotation) {
  struct Case {
    const char* text;
    KeyPress expected;
  } cases[] = {
      {"F7", {kF7}},
      {"S+F7", {kF7, false, false, true}},
      {"CS+F7", {kF7, true, false, true}},
      {"sc+f7", {kF7, true, false, true}},
      {" CAS+F12 ", {0x7B, true, true, true}},
      {"Win+F8", {kF8, false, false, false, true}},
      {"win+S+F8", {kF8, false, false, true, true}},
      {"A+X", {'X', false, true}},
      {"C+1", {'1', true}},
      {"Num+", {0x6B}},
      {"C+Num+", {0x6B, true}},
      {"Del", {0x2E}},
  };
  for (const Case& c : cases) {
    std::optional<KeyPress> press = ParseKeyPress(c.text);
    ASSERT_TRUE(press) << c.text;
    EXPECT_EQ(*press, c.expected) << c.text;
  }
}

TEST(TcsimHostKeys, RefusesWhatTheHostCannotBind) {
  for (const char* text : {"", "F25", "X+F7", "S+", "+F7", "Win+", "Shift+F7", "F 7"}) {
    EXPECT_EQ(ParseKeyPress(text), std::nullopt) << text;
  }
}

TEST(TcsimHostKeys, NotationRoundTripsForEveryNamedKey) {
  int named = 0;
  for (uint32_t key = 0; key < 0x100; ++key) {
    if (KeyName(key).empty()) continue;
    ++named;
    for (uint32_t bits = 0; bits < 16; ++bits) {
      KeyPress press = FromModifierBits(key, bits);
      EXPECT_EQ(ModifierBits(press), bits);
      std::optional<KeyPress> parsed = ParseKeyPress(DescribeKeyPress(press));
      ASSERT_TRUE(parsed) << DescribeKeyPress(press);
      EXPECT_EQ(*parsed, press) << DescribeKeyPress(press);
    }
  }
  EXPECT_EQ(named, 24 + 26 + 10 + 18);
}

TEST(TcsimHostKeys, NotationPutsModifiersInHostOrder) {
  EXPECT_EQ(ShortcutNotation({kF7, true, true, true, true}), "CAS+F7");
  EXPECT_EQ(ShortcutNotation({kF7, false, false, false, true}), "F7");
  EXPECT_EQ(DescribeKeyPress({kF7, false, false, true, true}), "Win+S+F7");
  EXPECT_EQ(ShortcutNotation({0x10}), "") << "a lone Shift has no name";
  EXPECT_EQ(DescribeKeyPress({0x10, true}), "key16");
}

}  // namespace
}  // namespace kestrix::tcsim
