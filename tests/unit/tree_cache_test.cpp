#include "host/tree_cache.h"

#include <gtest/gtest.h>

#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"

namespace kestrix {
namespace {

TEST(TreeInfoEntry, DriveRootRemovedLineEnded) {
  EXPECT_EQ(TreeInfoEntry("C:\\Work\\New\\"), "[Work\\New\\]\r\n");
  EXPECT_EQ(TreeInfoEntry("d:\\x"), "[x]\r\n");
  EXPECT_EQ(TreeInfoEntry("\\\\srv\\share\\a\\b"), "[a\\b]\r\n");
}

struct TreeFixture {
  FakeFileSystem fs;
  FakeEnvironment env{{"LOCALAPPDATA", "C:\\Users\\u\\AppData\\Local"}};
  const std::string ini = "C:\\TC\\wincmd.ini";
  TreeFixture() {
    fs.AddDrive("D:");
    fs.AddFile(ini, "");
  }
};

TEST(TreeInfoPath, ChoosesTheCacheFile) {
  const std::string shared = "C:\\Users\\u\\AppData\\Local\\GHISLER\\treeinfo.wc";
  const std::string drive_c = "C:\\Users\\u\\AppData\\Local\\GHISLER\\treeinfoc.wc";
  struct Case {
    const char* what;
    std::vector<std::string> files;
    std::string setting, directory, expected;
  } cases[] = {
      {"switched off", {shared}, " False ", "C:\\Work\\", ""},
      {"explicit file", {"C:\\cache\\my.wc"}, "C:\\cache\\my.wc", "C:\\Work\\", "C:\\cache\\my.wc"},
      {"explicit file missing, host drive shared cache",
       {shared},
       "C:\\cache\\gone.wc",
       "C:\\Work\\",
       shared},
      {"per-drive cache wins on the host's drive",
       {drive_c, shared},
       "True",
       "c:\\Work\\",
       drive_c},
      {"host drive without any cache", {}, "True", "C:\\Work\\", ""},
      {"another drive uses its root", {"D:\\treeinfo.wc"}, "True", "D:\\Data\\", "d:\\treeinfo.wc"},
      {"another drive without a cache", {shared}, "True", "D:\\Data\\", ""},
  };
  for (const Case& c : cases) {
    TreeFixture f;
    for (const std::string& file : c.files) f.fs.AddFile(file, "");
    EXPECT_EQ(TreeInfoPath(f.fs, f.env, c.setting, c.directory, f.ini), c.expected) << c.what;
  }
}

TEST(TreeInfoAppend, AppendsAtTheEndAndCreatesMissingFile) {
  TreeFixture f;
  f.fs.AddFile("C:\\t.wc", "[Old]\r\n");
  EXPECT_EQ(TreeInfoAppend(f.fs, "C:\\t.wc", " C:\\Work\\New\\ "), 0u);
  EXPECT_EQ(f.fs.FileContent("C:\\t.wc"), "[Old]\r\n[Work\\New\\]\r\n");
  EXPECT_EQ(TreeInfoAppend(f.fs, "C:\\fresh.wc", "C:\\A"), 0u);
  EXPECT_EQ(f.fs.FileContent("C:\\fresh.wc"), "[A]\r\n");
}

TEST(TreeInfoAppend, NothingForSwitchTextsOrEmptyDirectory) {
  TreeFixture f;
  const int before = f.fs.WriteCount();
  for (const char* file : {"", "  ", "False", "True"})
    EXPECT_EQ(TreeInfoAppend(f.fs, file, "C:\\A"), 0u);
  EXPECT_EQ(TreeInfoAppend(f.fs, "C:\\t.wc", "  "), 0u);
  EXPECT_EQ(f.fs.WriteCount(), before);
}

TEST(TreeInfoAppend, ReportsAFailureAndKeepsTheFile) {
  TreeFixture f;
  f.fs.AddFile("C:\\t.wc", "[Old]\r\n");
  f.fs.FailPath("C:\\t.wc", kErrorAccessDenied);
  EXPECT_EQ(TreeInfoAppend(f.fs, "C:\\t.wc", "C:\\A"), kErrorAccessDenied);
  EXPECT_EQ(f.fs.FileContent("C:\\t.wc"), "[Old]\r\n");
}

}  // namespace
}  // namespace kestrix
