#include <gtest/gtest.h>

#include "tcsim/options.h"

namespace kestrix::tcsim {
namespace {

using Args = std::vector<std::string>;

TEST(TcsimOptions, SplitsTheCommandLineWithoutBackslashEscapes) {
  struct Case {
    const char* line;
    Args args;
  } cases[] = {
      {"tcsim.exe --left \"C:\\My Dir\\\" --active R",
       {"tcsim.exe", "--left", "C:\\My Dir\\", "--active", "R"}},
      {"  a\t\tb  ", {"a", "b"}},
      {"\"\" x", {"", "x"}},
      {"--focus=\"a b\"c", {"--focus=a bc"}},
      {"\"unterminated arg", {"unterminated arg"}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
}

TEST(TcsimOptions, ReadsEveryOption) {
  OptionsResult result = ParseOptions({"--left",
                                       "C:\\a",
                                       "--right=\\\\\\Virtual Panel\\x",
                                       "--active",
                                       "right",
                                       "--focus",
                                       "x.txt",
                                       "--view=Detailed",
                                       "--commander-path",
                                       "C:\\tc",
                                       "--wincmd-ini",
                                       "C:\\tc\\wincmd.ini",
                                       "--usercmd-ini",
                                       "C:\\u.ini",
                                       "--ignore-ga",
                                       "--lcl",
                                       "--log",
                                       "C:\\l.txt",
                                       "--press",
                                       "F7",
                                       "--press=Win+S+F8",
                                       "--to-running"});
  ASSERT_EQ(result.error, "");
  const Options& o = result.options;
  EXPECT_EQ(o.left, "C:\\a");
  EXPECT_EQ(o.right, "\\\\\\Virtual Panel\\x");
  EXPECT_TRUE(o.right_active);
  EXPECT_EQ(o.focus, "x.txt");
  EXPECT_EQ(o.view, View::Detailed);
  EXPECT_EQ(o.commander_path, "C:\\tc");
  EXPECT_EQ(o.wincmd_ini, "C:\\tc\\wincmd.ini");
  EXPECT_EQ(o.usercmd_ini, "C:\\u.ini");
  EXPECT_TRUE(o.ignore_ga);
  EXPECT_TRUE(o.lcl);
  EXPECT_EQ(o.log, "C:\\l.txt");
  EXPECT_EQ(o.presses, (Args{"F7", "Win+S+F8"}));
  EXPECT_TRUE(o.to_running);
}

TEST(TcsimOptions, DefaultsWhenNothingIsGiven) {
  OptionsResult result = ParseOptions({});
  EXPECT_EQ(result.error, "");
  EXPECT_FALSE(result.options.right_active);
  EXPECT_EQ(result.options.view, View::Brief);
  EXPECT_FALSE(result.options.ignore_ga || result.options.lcl || result.options.to_running);
  EXPECT_EQ(ParseOptions({"--active", "l"}).options.right_active, false);
}

TEST(TcsimOptions, ExplainsWhatItDoesNotUnderstand) {
  struct Case {
    Args args;
    const char* error;
  } cases[] = {
      {{"--left"}, "missing value after --left"},
      {{"--active", "X"}, "--active must be L or R, not \"X\""},
      {{"--view=wide"}, "--view must be brief or detailed, not \"wide\""},
      {{"--press", "F99"}, "unknown key \"F99\""},
      {{"--lcl=1"}, "--lcl takes no value"},
      {{"--to-running"}, "--to-running needs --press"},
      {{"C:\\a"}, "unknown option \"C:\\a\""},
      {{"--left=C:\\a", "--bogus=1"}, "unknown option \"--bogus=1\""},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseOptions(c.args).error, c.error) << c.error;
}

TEST(TcsimOptions, FindsUsercmdIniBesideWincmdIni) {
  EXPECT_EQ(UsercmdIniBeside("C:\\tc\\wincmd.ini"), "C:\\tc\\usercmd.ini");
  EXPECT_EQ(UsercmdIniBeside("C:\\WINCMD.INI.d\\WinCmd.ini"), "C:\\usercmd.ini.d\\usercmd.ini");
  EXPECT_EQ(UsercmdIniBeside("C:\\tc\\main.ini"), "C:\\tc\\usercmd.ini");
  EXPECT_EQ(UsercmdIniBeside("main.ini"), "usercmd.ini");
}

}  // namespace
}  // namespace kestrix::tcsim
