#include <gtest/gtest.h>

#include "tcsim/ini_text.h"

namespace kestrix::tcsim {
namespace {

TEST(TcsimIniText, ReadsSectionsAndKeysWithoutRegardToCase) {
  IniText ini = IniText::Parse(
      "\xEF\xBB\xBF[Shortcuts]\r\nF7=em_Kestrix\r\n; comment=x\r\n  S+F7 =  cm_MkDir  \r\n"
      "[em_Kestrix]\ncmd=%COMMANDER_PATH%\\Kestrix\\tc Kestrix.exe\npath=a=b\n");
  EXPECT_EQ(ini.Get("shortcuts", "f7"), "em_Kestrix");
  EXPECT_EQ(ini.Get("Shortcuts", "S+F7"), "cm_MkDir");
  EXPECT_EQ(ini.Get("Shortcuts", "; comment"), std::nullopt);
  EXPECT_EQ(ini.Get("EM_KESTRIX", "cmd"), "%COMMANDER_PATH%\\Kestrix\\tc Kestrix.exe");
  EXPECT_EQ(ini.Get("em_Kestrix", "path"), "a=b") << "only the first '=' splits";
  EXPECT_EQ(ini.Get("em_Kestrix", "param"), std::nullopt);
  EXPECT_EQ(ini.Get("Missing", "cmd"), std::nullopt);
}

TEST(TcsimIniText, KeepsFileOrderAndMergesRepeatedSections) {
  IniText ini = IniText::Parse("orphan=1\n[A]\nx=1\nnot a pair\n[b]\ny=2\n[a]\nz=3\n[empty]\n");
  using Entries = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(ini.Entries("A"), (Entries{{"x", "1"}, {"z", "3"}}));
  EXPECT_EQ(ini.Entries("B"), (Entries{{"y", "2"}}));
  EXPECT_TRUE(ini.Entries("empty").empty());
  EXPECT_EQ(ini.Get("", "orphan"), std::nullopt);
}

TEST(TcsimIniText, ToleratesUnfinishedInput) {
  EXPECT_TRUE(IniText::Parse("").Entries("a").empty());
  EXPECT_TRUE(IniText::Parse("[").Entries("[").empty());
  EXPECT_EQ(IniText::Parse("[s]\nk=v").Get("s", "k"), "v");  // no final line break
  EXPECT_EQ(IniText::Parse("[s]\n=v\n").Get("s", ""), "v");
}

}  // namespace
}  // namespace kestrix::tcsim
