#include "create/dir_history.h"

#include <gtest/gtest.h>

#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"

namespace kestrix {
namespace {

const char kIni[] = "C:\\TC\\wincmd.ini";
const char kPrivate[] = "C:\\TC\\Kestrix\\tc Kestrix.lst";
// A host configuration that is in use (it has panel paths).
const char kUsedIni[] = "[left]\r\npath=C:\\\r\n[right]\r\npath=D:\\\r\n";
// A stub that only points elsewhere.
const char kStubIni[] = "[Configuration]\r\nfirstmnu=0\r\nAlternateUserIni=%s\r\n";

struct HistoryFixture {
  FakeFileSystem fs;
  FakeEnvironment env{{"COMMANDER_PATH", "C:\\TC"}};
  HistoryPlaces places{kIni, "C:\\TC\\Kestrix", "tc Kestrix", ""};
  HistoryFixture() { fs.AddDirectory("C:\\TC\\Kestrix"); }
  std::string File() { return DirHistory(fs, env, places).HistoryFile(); }
};

std::string Stub(const std::string& alternate) {
  std::string text = kStubIni;
  return text.replace(text.find("%s"), 2, alternate);
}

TEST(HistoryFile, FollowsTheHostsRedirections) {
  const std::string used = kUsedIni, alt = "C:\\Users\\u\\wincmd.ini";
  const std::string redirect = "[MkDirHistory]\r\nRedirectSection=";
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> files;
    std::string setting;
    std::string expected;
  } cases[] = {
      {"no host file", {}, "", kPrivate},
      {"host file in use", {{kIni, used}}, "", kIni},
      {"host file empty", {{kIni, "[Configuration]\r\nfirstmnu=0\r\n"}}, "", kPrivate},
      {"firstmnu alone makes it used", {{kIni, "[Configuration]\r\nfirstmnu=1\r\n"}}, "", kIni},
      {"history redirected",
       {{kIni, used + redirect + "%COMMANDER_PATH%\\hist.ini"}},
       "",
       "C:\\TC\\hist.ini"},
      {"redirected beside the host file",
       {{kIni, redirect + "sub\\hist.ini"}},
       "",
       "C:\\TC\\sub\\hist.ini"},
      {"stub, alternate in use", {{kIni, Stub(alt)}, {alt, used}}, "", alt},
      {"stub, empty alternate", {{kIni, Stub(alt)}, {alt, "[x]\r\n"}}, "", kPrivate},
      {"stub, missing alternate", {{kIni, Stub("C:\\Users\\u\\gone.ini")}}, "", kPrivate},
      {"stub, alternate beside",
       {{kIni, Stub("user.ini")}, {"C:\\TC\\user.ini", used}},
       "",
       "C:\\TC\\user.ini"},
      {"own file, absolute", {{kIni, used}}, "D:\\hist\\mine.lst", "D:\\hist\\mine.lst"},
      {"own file, expanded",
       {{kIni, used}},
       " %COMMANDER_PATH%x\\..\\h.lst ",
       "C:\\TCx\\..\\h.lst"},
      {"own file name only", {{kIni, used}}, "data\\h.lst", "C:\\TC\\Kestrix\\data\\h.lst"},
  };
  for (const Case& c : cases) {
    HistoryFixture f;
    f.fs.AddDrive("D:");
    for (const auto& [path, content] : c.files) f.fs.AddFile(path, content);
    f.places.MkDirHistoryFile = c.setting;
    EXPECT_EQ(f.File(), c.expected) << c.what;
  }
}

TEST(HistoryFile, RelativeNameGetsItsDirectoryOrNothing) {
  HistoryFixture f;
  f.places.MkDirHistoryFile = "data\\h.lst";
  EXPECT_EQ(f.File(), "C:\\TC\\Kestrix\\data\\h.lst");
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\TC\\Kestrix\\data"));
  f.places.MkDirHistoryFile = "locked\\h.lst";
  f.fs.FailPath("C:\\TC\\Kestrix\\locked", kErrorAccessDenied);
  EXPECT_EQ(f.File(), "");
}

TEST(LoadMkDirHistory, ValuesInOrderWithoutBlanksAndWithLastDuplicate) {
  HistoryFixture f;
  f.fs.AddFile(kIni, std::string(kUsedIni) +
                         "[MkDirHistory]\r\n0=a\r\n1= \r\n2=b=c\r\n3=\r\n4=a\r\n5=d\r\n6=b=c\r\n");
  EXPECT_EQ(DirHistory(f.fs, f.env, f.places).LoadMkDirHistory(),
            (std::vector<std::string>{"a", "d", "b=c"}));
}

TEST(LoadMkDirHistory, MissingFileGivesNothing) {
  HistoryFixture f;
  EXPECT_TRUE(DirHistory(f.fs, f.env, f.places).LoadMkDirHistory().empty());
}

std::string NumberedSection(int count) {
  std::string text = "[MkDirHistory]\r\n";
  for (int i = 0; i < count; ++i) text += std::to_string(i) + "=n" + std::to_string(i) + "\r\n";
  return text;
}

TEST(AddDirectoryToTCDirList, NewNameOnTopOldestDroppedAtTwenty) {
  HistoryFixture f;
  f.fs.AddFile(kIni, std::string(kUsedIni) + NumberedSection(20));
  DirHistory history(f.fs, f.env, f.places);
  std::vector<std::string> items = history.AddDirectoryToTCDirList("fresh");
  ASSERT_EQ(items.size(), 20u);
  EXPECT_EQ(items.front(), "fresh");
  EXPECT_EQ(items.back(), "n18");
  EXPECT_EQ(history.LoadMkDirHistory(), items);
}

TEST(AddDirectoryToTCDirList, ReAddedNameMovesToTheTop) {
  HistoryFixture f;
  f.fs.AddFile(kIni, std::string(kUsedIni) + NumberedSection(5));
  DirHistory history(f.fs, f.env, f.places);
  EXPECT_EQ(history.AddDirectoryToTCDirList("n3"),
            (std::vector<std::string>{"n3", "n0", "n1", "n2", "n4"}));
  std::string content = *f.fs.FileContent(kIni);
  EXPECT_NE(content.find("0=n3\r\n1=n0\r\n"), std::string::npos) << content;
  EXPECT_EQ(content.find("n3", content.find("0=n3") + 4), std::string::npos) << content;
}

TEST(AddDirectoryToTCDirList, KeepsTheHostsRedirectionKeyWhenRewritingItsFile) {
  HistoryFixture f;
  // The host's file redirects its history to itself: the key must survive the rewrite.
  f.fs.AddFile(kIni, std::string(kUsedIni) +
                         "[MkDirHistory]\r\nRedirectSection=C:\\TC\\wincmd.ini\r\n0=old\r\n");
  DirHistory history(f.fs, f.env, f.places);
  EXPECT_EQ(history.AddDirectoryToTCDirList("new"), (std::vector<std::string>{"new", "old"}));
  std::string content = *f.fs.FileContent(kIni);
  EXPECT_NE(content.find("RedirectSection=C:\\TC\\wincmd.ini"), std::string::npos) << content;
  EXPECT_NE(content.find("[left]"), std::string::npos);
  EXPECT_EQ(history.LoadMkDirHistory(), (std::vector<std::string>{"new", "old"}));
}

TEST(AddDirectoryToTCDirList, WritesTheRedirectedFile) {
  HistoryFixture f;
  f.fs.AddFile(kIni, std::string(kUsedIni) + "[MkDirHistory]\r\nRedirectSection=C:\\h.ini\r\n");
  DirHistory(f.fs, f.env, f.places).AddDirectoryToTCDirList("x");
  EXPECT_EQ(f.fs.FileContent("C:\\h.ini"), "[MkDirHistory]\r\n0=x\r\n\r\n");
  EXPECT_EQ(f.fs.FileContent(kIni)->find("0=x"), std::string::npos);
}

TEST(AddDirectoryToTCDirList, NoHostFileAndNoOwnFileWritesNothing) {
  HistoryFixture f;
  const int writes = f.fs.WriteCount();
  EXPECT_EQ(DirHistory(f.fs, f.env, f.places).AddDirectoryToTCDirList("x"),
            (std::vector<std::string>{"x"}));
  EXPECT_EQ(f.fs.WriteCount(), writes);
}

TEST(AddDirectoryToTCDirList, WriteFailureStillChangesTheList) {
  HistoryFixture f;
  f.fs.AddFile(kIni, std::string(kUsedIni) + NumberedSection(1));
  f.fs.FailPath(kIni, kErrorAccessDenied);
  EXPECT_EQ(DirHistory(f.fs, f.env, f.places).AddDirectoryToTCDirList("x"),
            (std::vector<std::string>{"x", "n0"}));
}

}  // namespace
}  // namespace kestrix
