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
