#include "fakes/fake_file_system.h"

#include <gtest/gtest.h>

#include "fakes/fake_environment.h"

namespace kestrix {
namespace {

// Only the Windows rules the other tests rely on the fakes to follow.

TEST(FakeFileSystem, PathRules) {
  FakeFileSystem fs;
  fs.AddFile("C:\\Dir\\Sub\\File.TXT", "x");
  for (const char* same : {"c:\\dir\\sub\\file.txt", "C:/Dir//Sub/./File.TXT",
                           "C:\\Dir\\x\\..\\Sub\\File.TXT", "C:\\Dir\\Sub\\File.TXT. "})
    EXPECT_TRUE(fs.FileExists(same)) << same;
  for (const char* other : {"C:\\Dir\\Sub\\File", "D:\\Dir", "C:\\Dir\\Su?"})
    EXPECT_FALSE(fs.Exists(other)) << other;
  EXPECT_TRUE(fs.FileExists("Dir\\Sub\\file.txt"));  // relative to the root of C:
  EXPECT_TRUE(fs.DirectoryExists("\\Dir\\Sub"));
}

TEST(FakeFileSystem, CreateDirectoryErrorCodes) {
  FakeFileSystem fs;
  fs.AddFile("C:\\a\\file", "");
  struct Case {
    const char* path;
    uint32_t code;
  } cases[] = {{"C:\\a\\new", kErrorSuccess},          {"c:\\A\\NEW", kErrorAlreadyExists},
               {"C:\\a\\file", kErrorAlreadyExists},   {"C:\\a\\missing\\x", kErrorPathNotFound},
               {"C:\\a\\file\\x", kErrorPathNotFound}, {"C:\\", kErrorAlreadyExists},
               {"C:\\a\\bad|name", kErrorInvalidName}, {"E:\\x", kErrorPathNotFound}};
  for (const Case& c : cases) EXPECT_EQ(fs.CreateDirectory(c.path), c.code) << c.path;
  // The stored name keeps the case it was created with; wildcards ignore case.
  fs.AddFile("C:\\a\\APP_two.INI", "");
  std::vector<std::string> names;
  for (const DirEntry& e : fs.ListDirectory("c:\\A\\", "app_*")) names.push_back(e.name);
  EXPECT_EQ(names, std::vector<std::string>{"APP_two.INI"});
  EXPECT_EQ(fs.ListDirectory("C:\\A", "N*")[0].name, "new");
}

TEST(FakeEnvironment, ExpandsLikeExpandEnvironmentStrings) {
  FakeEnvironment env{{"Path", "C:\\bin"}, {"EMPTY", ""}};
  for (auto [text, expected] : {std::pair{"%path%%Path%", "C:\\binC:\\bin"},
                                {"<%EMPTY%>", "<>"},
                                {"%UNDEF%PATH%", "%UNDEF%PATH%"},
                                {"100%", "100%"},
                                {"a%PATH", "a%PATH"}})
    EXPECT_EQ(env.Expand(text), expected) << text;
}

}  // namespace
}  // namespace kestrix
