#include "create/run_settings.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace kestrix {
namespace {

TEST(ReadCreationSettings, DefaultsWhenTheFileIsEmpty) {
  FakeFileSystem fs;
  TBigIniFile ini(fs, "C:\\tc Kestrix.ini");
  CreationSettings c = ReadCreationSettings(ini);
  EXPECT_EQ(c.UpdateTreeInfo, "False");
  EXPECT_FALSE(c.EnterCmdInstalled);
  EXPECT_FALSE(c.DoNotEnterDeepest);
  EXPECT_EQ(c.invalid_chars.action, 0);
  EXPECT_EQ(c.invalid_chars.replacement, "_");
  EXPECT_TRUE(c.invalid_chars.replace_chars.empty());
}

TEST(ReadCreationSettings, ValuesAndReplaceCharsInFileOrder) {
  FakeFileSystem fs;
  fs.AddFile("C:\\tc Kestrix.ini",
             "[Configuration]\r\nUpdateTreeInfo=D:\\tree.wc\r\nDoNotEnterDeepest=True\r\n"
             "InvalidCharAction=1\r\nInvalidCharReplace=-\r\n"
             "[Additional]\r\nEnterCmdInstalled=True\r\n"
             "[ReplaceChars]\r\n&=and\r\n#=\r\n@=at\r\n");
  TBigIniFile ini(fs, "C:\\tc Kestrix.ini");
  CreationSettings c = ReadCreationSettings(ini);
  EXPECT_EQ(c.UpdateTreeInfo, "D:\\tree.wc");
  EXPECT_TRUE(c.EnterCmdInstalled);
  EXPECT_TRUE(c.DoNotEnterDeepest);
  EXPECT_EQ(c.invalid_chars.action, 1);
  EXPECT_EQ(c.invalid_chars.replacement, "-");
  ASSERT_EQ(c.invalid_chars.replace_chars.size(), 3u);
  EXPECT_EQ(c.invalid_chars.replace_chars[0].key, "&");
  EXPECT_EQ(c.invalid_chars.replace_chars[0].value, "and");
  EXPECT_EQ(c.invalid_chars.replace_chars[1].value, "");
  EXPECT_EQ(c.invalid_chars.replace_chars[2].key, "@");
}

TEST(HostMethodFlags, ReadBackWhatTheClosingWrote) {
  FakeFileSystem fs;
  {
    TBigIniFile ini(fs, "C:\\tc Kestrix.ini");
    HostMethodFlags defaults = ReadHostMethodFlags(ini);
    EXPECT_FALSE(defaults.TC8B10Method);
    EXPECT_FALSE(defaults.TC8B10FuncChecked);
    EXPECT_TRUE(defaults.TC8B10FixExt);
    WriteHostMethodFlags(ini, {true, true, false});
  }
  TBigIniFile ini(fs, "C:\\tc Kestrix.ini");
  HostMethodFlags flags = ReadHostMethodFlags(ini);
  EXPECT_TRUE(flags.TC8B10Method);
  EXPECT_TRUE(flags.TC8B10FuncChecked);
  EXPECT_FALSE(flags.TC8B10FixExt);
}

TEST(ReadAffixSettings, PrefixAndSuffixWithTheirSwitches) {
  FakeFileSystem fs;
  fs.AddFile("C:\\s.ini",
             "[PrefixSuffix]\r\nDirPrefix=2024 \r\nDirPrefixActive=True\r\nDirSuffix=_x\r\n"
             "DirSuffixActive=true\r\n");
  TBigIniFile ini(fs, "C:\\s.ini");
  AffixSettings a = ReadAffixSettings(ini);
  EXPECT_EQ(a.prefix, "2024 ");
  EXPECT_TRUE(a.prefix_active);
  EXPECT_EQ(a.suffix, "_x");
  EXPECT_FALSE(a.suffix_active);  // only the exact text "True" is true
}

}  // namespace
}  // namespace kestrix
