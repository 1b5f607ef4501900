#include "create/run_settings.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace kestrix {
namespace {

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
  std::string pairs;
  for (const auto& r : c.invalid_chars.replace_chars) pairs += r.key + "=" + r.value + ";";
  EXPECT_EQ(pairs, "&=and;#=;@=at;");
}

TEST(HostMethodFlags, ReadBackWhatTheClosingWrote) {
  FakeFileSystem fs;
  {
    TBigIniFile ini(fs, "C:\\tc Kestrix.ini");
    EXPECT_TRUE(ReadHostMethodFlags(ini).TC8B10FixExt);  // the one flag that starts on
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
