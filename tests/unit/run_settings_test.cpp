#include "create/run_settings.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace kestrix {
namespace {

TEST(ReadReplaceChars, KeysInFileOrderWithTheirValues) {
  FakeFileSystem fs;
  fs.AddFile("C:\\tc Kestrix.ini", "[ReplaceChars]\r\n&=and\r\n#=\r\n@=at\r\n");
  TBigIniFile ini(fs, "C:\\tc Kestrix.ini");
  std::string pairs;
  for (const CharReplacement& r : ReadReplaceChars(ini)) pairs += r.key + "=" + r.value + ";";
  EXPECT_EQ(pairs, "&=and;#=;@=at;");
}

}  // namespace
}  // namespace kestrix
