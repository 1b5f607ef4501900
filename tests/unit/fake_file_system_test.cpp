#include "fakes/fake_file_system.h"

#include <gtest/gtest.h>

#include "fakes/fake_environment.h"

namespace kestrix {
namespace {

// Other modules' tests rely on the fake behaving like Windows; these pin the rules.

TEST(FakeFileSystem, PathRules) {
  FakeFileSystem fs;
  fs.AddFile("C:\\Dir\\Sub\\File.TXT", "x");
  struct Case {
    const char* path;
    bool exists;
  } cases[] = {
      {"c:\\dir\\sub\\file.txt", true},
      {"C:/Dir/Sub/File.TXT", true},
      {"C:\\Dir\\\\Sub\\File.TXT", true},
      {"C:\\Dir\\Sub\\.\\File.TXT", true},
      {"C:\\Dir\\x\\..\\Sub\\File.TXT", true},
      {"C:\\Dir\\Sub\\File.TXT.", true},
      {"C:\\Dir\\Sub\\File.TXT  ", true},
      {"C:\\Dir\\Sub\\", true},
      {"C:\\Dir\\Sub\\File", false},
      {"D:\\Dir", false},
      {"C:\\Dir\\Su?", false},
      {"C:\\Dir\\Sub\\File.TXT\\x", false},
  };
  for (const Case& c : cases) EXPECT_EQ(fs.Exists(c.path), c.exists) << c.path;
  fs.SetCurrentDirectory("C:\\Dir");
  EXPECT_TRUE(fs.FileExists("Sub\\file.txt"));
  EXPECT_TRUE(fs.DirectoryExists("\\Dir\\Sub"));
  EXPECT_EQ(fs.AllPaths(), (std::vector<std::string>{"C:\\", "C:\\Dir\\", "C:\\Dir\\Sub\\",
                                                     "C:\\Dir\\Sub\\File.TXT"}));
}

TEST(FakeFileSystem, CreateDirectoryErrorCodes) {
  FakeFileSystem fs;
  fs.AddFile("C:\\a\\file", "");
  struct Case {
    const char* path;
    uint32_t code;
  } cases[] = {
      {"C:\\a\\new", kErrorSuccess},          {"c:\\A\\NEW", kErrorAlreadyExists},
      {"C:\\a\\file", kErrorAlreadyExists},   {"C:\\a\\missing\\x", kErrorPathNotFound},
      {"C:\\a\\file\\x", kErrorPathNotFound}, {"C:\\", kErrorAlreadyExists},
      {"C:\\a\\bad|name", kErrorInvalidName}, {"E:\\x", kErrorPathNotFound},
  };
  for (const Case& c : cases) EXPECT_EQ(fs.CreateDirectory(c.path), c.code) << c.path;
  fs.AddDrive("E:");
  EXPECT_EQ(fs.CreateDirectory("e:\\x"), kErrorSuccess);
  // The stored name keeps the case of the existing levels and of the new one.
  EXPECT_EQ(fs.ListDirectory("C:\\A", "N*")[0].name, "new");
  EXPECT_EQ(fs.CreateDirectory("C:\\a\\new.\\Deeper"), kErrorSuccess);
  EXPECT_TRUE(fs.DirectoryExists("C:\\a\\new\\deeper"));
}

TEST(FakeFileSystem, ListDirectoryMatchesWildcards) {
  FakeFileSystem fs;
  fs.AddFile("C:\\Plugins\\app_One.ini", "");
  fs.AddFile("C:\\Plugins\\APP_two.INI", "");
  fs.AddFile("C:\\Plugins\\other.txt", "");
  fs.AddFile("C:\\Plugins\\sub\\app_deep.ini", "");
  auto names = [&](const char* pattern) {
    std::vector<std::string> out;
    for (const DirEntry& e : fs.ListDirectory("c:\\plugins\\", pattern)) out.push_back(e.name);
    return out;
  };
  EXPECT_EQ(names("app_*"), (std::vector<std::string>{"app_One.ini", "APP_two.INI"}));
  EXPECT_EQ(names("*.txt"), std::vector<std::string>{"other.txt"});
  EXPECT_EQ(names("?ther.*"), std::vector<std::string>{"other.txt"});
  EXPECT_EQ(names("*").size(), 4u);
  EXPECT_TRUE(fs.ListDirectory("C:\\Plugins", "*")[3].IsDirectory());
  EXPECT_TRUE(fs.ListDirectory("C:\\none", "*").empty());
}

TEST(FakeEnvironment, ExpandsLikeExpandEnvironmentStrings) {
  FakeEnvironment env{{"Path", "C:\\bin"}, {"EMPTY", ""}, {"", "C:=C:\\"}};
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"%PATH%\\x", "C:\\bin\\x"},
      {"%path%%Path%", "C:\\binC:\\bin"},
      {"<%EMPTY%>", "<>"},
      {"%UNDEF%\\x", "%UNDEF%\\x"},
      {"%UNDEF%PATH%", "%UNDEF%PATH%"},
      {"100%", "100%"},
      {"%%", "%%"},
      {"a%PATH", "a%PATH"},
  };
  for (const Case& c : cases) EXPECT_EQ(env.Expand(c.text), c.expected) << c.text;
  EXPECT_EQ(env.Get("PATH"), "C:\\bin");
  EXPECT_EQ(env.Get("EMPTY"), "");
  EXPECT_EQ(env.Get(""), std::nullopt);
  env.Set("PATH", "D:\\");
  env.Set("New", "1");
  env.Unset("empty");
  auto list = env.List();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0], (std::pair<std::string, std::string>{"PATH", "D:\\"}));
  EXPECT_EQ(list[1].first, "");
  EXPECT_EQ(list[2].first, "New");
}

}  // namespace
}  // namespace kestrix
