#include "fakes/fake_file_system.h"

#include <gtest/gtest.h>

#include "fakes/fake_environment.h"

namespace kestrix {
namespace {

// Other modules' tests rely on the fake behaving like Windows; these pin the rules.
constexpr uint32_t kSharingViolation = 32;

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

TEST(FakeFileSystem, FileOperationsAndAttributes) {
  FakeFileSystem fs;
  std::string content;
  EXPECT_EQ(fs.ReadWholeFile("C:\\x.ini", content), kErrorFileNotFound);
  EXPECT_EQ(fs.ReadWholeFile("C:\\no\\x.ini", content), kErrorPathNotFound);
  EXPECT_EQ(fs.WriteWholeFile("C:\\no\\x.ini", "a"), kErrorPathNotFound);
  ASSERT_EQ(fs.WriteWholeFile("C:\\x.ini", "abc"), kErrorSuccess);
  EXPECT_EQ(fs.GetAttributes("C:\\x.ini"), static_cast<uint32_t>(kAttrArchive));
  EXPECT_EQ(fs.SetAttributes("C:\\x.ini", kAttrNormal), kErrorSuccess);
  EXPECT_EQ(fs.GetAttributes("C:\\x.ini"), static_cast<uint32_t>(kAttrNormal));
  EXPECT_EQ(fs.SetAttributes("C:\\x.ini", kAttrReadOnly | kAttrHidden), kErrorSuccess);
  EXPECT_EQ(fs.WriteWholeFile("C:\\x.ini", "new"), kErrorAccessDenied);
  EXPECT_EQ(fs.DeleteFile("C:\\x.ini"), kErrorAccessDenied);
  EXPECT_EQ(fs.CopyFile("C:\\x.ini", "C:\\y.ini", true), kErrorSuccess);
  EXPECT_EQ(fs.GetAttributes("C:\\y.ini"), static_cast<uint32_t>(kAttrReadOnly | kAttrHidden));
  EXPECT_EQ(fs.LastWriteTime("C:\\y.ini"), fs.LastWriteTime("C:\\x.ini"));
  EXPECT_EQ(fs.CopyFile("C:\\x.ini", "C:\\y.ini", true), kErrorFileExists);
  EXPECT_EQ(fs.CopyFile("C:\\x.ini", "C:\\y.ini", false), kErrorAccessDenied);
  EXPECT_EQ(fs.CopyFile("C:\\missing", "C:\\z", false), kErrorFileNotFound);
  fs.AddDirectory("C:\\d");
  EXPECT_EQ(fs.SetAttributes("C:\\d", kAttrHidden), kErrorSuccess);
  EXPECT_EQ(fs.GetAttributes("C:\\d"), static_cast<uint32_t>(kAttrHidden | kAttrDirectory));
  EXPECT_EQ(fs.ReadWholeFile("C:\\d", content), kErrorAccessDenied);
  EXPECT_EQ(fs.WriteWholeFile("C:\\d", "x"), kErrorAccessDenied);
  EXPECT_EQ(fs.DeleteFile("C:\\d"), kErrorAccessDenied);
  EXPECT_EQ(fs.FileContent("C:\\X.INI"), "abc");
}

TEST(FakeFileSystem, TimeStampsMoveOnlyWithWrites) {
  FakeFileSystem fs;
  ASSERT_EQ(fs.WriteWholeFile("C:\\t.ini", "a"), kErrorSuccess);
  const uint64_t first = fs.LastWriteTime("C:\\t.ini");
  std::string content;
  fs.ReadWholeFile("C:\\t.ini", content);
  fs.SetAttributes("C:\\t.ini", kAttrHidden);
  EXPECT_EQ(fs.LastWriteTime("C:\\t.ini"), first);
  ASSERT_EQ(fs.WriteWholeFile("C:\\t.ini", "a"), kErrorSuccess);
  EXPECT_GT(fs.LastWriteTime("C:\\t.ini"), first);
  EXPECT_EQ(fs.WriteCount(), 2);
  EXPECT_EQ(fs.WriteAttempts("c:/T.INI"), 2);
}

TEST(FakeFileSystem, Faults) {
  FakeFileSystem fs;
  fs.AddFile("C:\\p\\s.ini", "old");
  const uint64_t stamp = fs.LastWriteTime("C:\\p\\s.ini");
  fs.FailNextWriteAfter(2);
  EXPECT_EQ(fs.WriteWholeFile("C:\\p\\s.ini", "a"), kErrorSuccess);  // within the limit
  fs.FailNextWriteAfter(2, kErrorWriteFault);
  EXPECT_EQ(fs.WriteWholeFile("C:\\p\\s.ini", "abc"), kErrorWriteFault);
  EXPECT_EQ(fs.FileContent("C:\\p\\s.ini"), "a");
  EXPECT_EQ(fs.WriteWholeFile("C:\\p\\s.ini", "abc"), kErrorSuccess);  // one shot

  fs.FailPath("C:\\P", kErrorAccessDenied);
  EXPECT_EQ(fs.WriteWholeFile("C:\\p\\s.ini", "x"), kErrorAccessDenied);
  EXPECT_EQ(fs.CreateDirectory("C:\\p\\Log"), kErrorAccessDenied);
  EXPECT_EQ(fs.AppendToFile("C:\\p\\s.ini", "x"), kErrorAccessDenied);
  std::string content;
  EXPECT_EQ(fs.ReadWholeFile("C:\\p\\s.ini", content), kErrorSuccess);
  EXPECT_EQ(fs.WriteWholeFile("C:\\pq.ini", "x"), kErrorSuccess);  // a sibling, not below
  fs.ClearFaults();
  fs.FailPath("C:\\p\\s.ini", kSharingViolation, FakeFileSystem::kFaultRead);
  EXPECT_EQ(fs.ReadWholeFile("C:\\p\\s.ini", content), kSharingViolation);
  EXPECT_EQ(fs.WriteWholeFile("C:\\p\\s.ini", "y"), kErrorSuccess);
  EXPECT_NE(fs.LastWriteTime("C:\\p\\s.ini"), stamp);
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
