#include "platform/win32/file_system_win32.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/environment_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kestrix {
namespace {

// Fails every write once `limit` bytes have gone through, as a full disk would.
class FailingFileSystem : public Win32FileSystem {
 public:
  explicit FailingFileSystem(size_t limit) : limit_(limit) {}

 protected:
  uint32_t WriteChunk(void* file, const char* data, uint32_t size) override {
    if (written_ + size > limit_) {
      uint32_t part = static_cast<uint32_t>(limit_ - written_);
      if (part > 0) Win32FileSystem::WriteChunk(file, data, part);
      written_ = limit_;
      return ERROR_DISK_FULL;
    }
    written_ += size;
    return Win32FileSystem::WriteChunk(file, data, size);
  }

 private:
  size_t limit_;
  size_t written_ = 0;
};

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    dir_ = std::string(temp) + "kx_fs_" + std::to_string(GetCurrentProcessId()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_EQ(fs_.CreateDirectory(dir_), kErrorSuccess);
  }
  void TearDown() override {
    for (const DirEntry& entry : fs_.ListDirectory(dir_, "*")) {
      fs_.SetAttributes(Path(entry.name), kAttrNormal);
      fs_.DeleteFile(Path(entry.name));
      fs_.RemoveDirectory(Path(entry.name));
    }
    RemoveDirectoryA(dir_.c_str());
  }
  std::string Path(const std::string& name) const { return dir_ + "\\" + name; }
  std::string Read(const std::string& name) {
    std::string content;
    EXPECT_EQ(fs_.ReadWholeFile(Path(name), content), kErrorSuccess);
    return content;
  }
  // Pins a file's time stamp far in the past, so any rewrite shows.
  void Backdate(const std::string& name) {
    HANDLE file = CreateFileA(Path(name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const FILETIME in_2001 = {0, 0x01C08D00};
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &in_2001));
    CloseHandle(file);
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const DirEntry& entry : fs_.ListDirectory(dir_, "*")) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
  }

  Win32FileSystem fs_;
  std::string dir_;
};

TEST_F(Win32FileSystemTest, ErrorCodesFollowTheSystem) {
  std::string content;
  EXPECT_EQ(fs_.ReadWholeFile(Path("missing.ini"), content), kErrorFileNotFound);
  EXPECT_EQ(fs_.CreateDirectory(Path("sub")), kErrorSuccess);
  EXPECT_EQ(fs_.CreateDirectory(Path("sub")), kErrorAlreadyExists);
  EXPECT_TRUE(fs_.DirectoryExists(Path("sub")));
  // Hidden and system stay on a directory (Wine drops read-only and archive there).
  EXPECT_EQ(fs_.SetAttributes(Path("sub"), kAttrDirectory | kAttrHidden | kAttrSystem),
            kErrorSuccess);
  const uint32_t both = kAttrHidden | kAttrSystem;
  EXPECT_EQ(fs_.GetAttributes(Path("sub")) & both, both);
  EXPECT_EQ(fs_.WriteWholeFile(Path("sub"), "x"), kErrorAccessDenied);
  EXPECT_EQ(fs_.WriteWholeFile(Path("no\\file.txt"), "x"), kErrorPathNotFound);
  EXPECT_EQ(fs_.LastWriteTime(Path("missing.ini")), 0u);
  // 120 "Ł" fit, as the limit counts UTF-16 units; 260 units do not, even under Wine.
  const std::string level = Utf8(std::wstring(120, L'Ł'));
  EXPECT_EQ(fs_.CreateDirectory(Path(level)), kErrorSuccess);
  EXPECT_EQ(fs_.CreateDirectory(Path(std::string(260, 'x'))), kErrorFilenameExcedRange);
}

// Names in other scripts go through every call whole, and the disk read with the wide calls
// holds them: no "?", and no look-alike for "Żółw", whose only ANSI form is one.
TEST_F(Win32FileSystemTest, WriteReadCopyListDeleteAppendInAnyScript) {
  const std::string bytes("line\r\n\0\x1A\xFF", 9);
  std::vector<std::string> listed = {"c.ini"};
  for (const std::string name : {"Łódź", "Ελλάδα", "日本語", "한국어", "😀", "e\u0301", "Żółw"}) {
    ASSERT_EQ(fs_.CreateDirectory(Path(name)), kErrorSuccess) << name;
    EXPECT_EQ(GetFileAttributesW(Wide(Path(name)).c_str()), DWORD{FILE_ATTRIBUTE_DIRECTORY})
        << name;
    ASSERT_EQ(fs_.WriteWholeFile(Path(name + ".txt"), bytes), kErrorSuccess);
    EXPECT_EQ(Read(name + ".TXT"), bytes);
    EXPECT_EQ(fs_.CopyFile(Path(name + ".txt"), Path(name + ".ini"), true), kErrorSuccess);
    EXPECT_EQ(fs_.CopyFile(Path(name + ".txt"), Path(name + ".ini"), true), kErrorFileExists);
    ASSERT_EQ(fs_.WriteWholeFile(Path(name + ".ini"), name), kErrorSuccess);  // moved over it
    EXPECT_EQ(Read(name + ".ini"), name);
    EXPECT_EQ(fs_.DeleteFile(Path(name + ".txt")), kErrorSuccess);
    listed.insert(listed.end(), {name, name + ".ini"});
  }
  EXPECT_EQ(fs_.WriteWholeFile(Path("c.ini"), ""), kErrorSuccess);
  EXPECT_EQ(Read("c.ini"), "");
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(Names(), listed);
  // Rewriting a file keeps its attributes.
  ASSERT_EQ(fs_.SetAttributes(Path("Żółw.ini"), kAttrHidden | kAttrArchive), kErrorSuccess);
  ASSERT_EQ(fs_.WriteWholeFile(Path("Żółw.ini"), "new"), kErrorSuccess);
  EXPECT_NE(fs_.GetAttributes(Path("Żółw.ini")) & kAttrHidden, 0u);
  // Pieces are written one after the other, a long one in chunks.
  const std::string long_piece(Win32FileSystem::kChunkSize + 3, 'p');
  const std::string_view pieces[] = {"head|", "", long_piece, "|tail"};
  ASSERT_EQ(fs_.WriteWholeFile(Path("a.txt"), pieces), kErrorSuccess);
  EXPECT_EQ(Read("a.txt"), "head|" + long_piece + "|tail");
  uint64_t size = 0;
  EXPECT_EQ(fs_.FileSize(Path("a.txt"), size), kErrorSuccess);
  EXPECT_EQ(size, long_piece.size() + 10);
  EXPECT_EQ(fs_.FileSize(Path("b.txt"), size), kErrorFileNotFound);
  // An append creates, then extends.
  ASSERT_EQ(fs_.AppendToFile(Path("log.txt"), "one\r\n"), kErrorSuccess);
  std::string big(Win32FileSystem::kChunkSize + 10, 'b');
  ASSERT_EQ(fs_.AppendToFile(Path("log.txt"), big), kErrorSuccess);
  EXPECT_EQ(Read("log.txt"), "one\r\n" + big);
  EXPECT_EQ(fs_.AppendToFile(Path("no\\log.txt"), "x"), kErrorPathNotFound);
}

// A disk full midway and a read-only target: the replacing write leaves the old file, its time
// stamp and no temporary file. (What the INI class keeps for a retry is the unit tests' part.)
TEST_F(Win32FileSystemTest, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
  const std::string original = "[A]\r\nk=old\r\n\r\n", big(3 * Win32FileSystem::kChunkSize, 'x');
  FailingFileSystem failing(Win32FileSystem::kChunkSize + 100);
  for (const auto& [fs, code] :
       {std::pair<FileSystem*, uint32_t>{&failing, kErrorDiskFull}, {&fs_, kErrorAccessDenied}}) {
    ASSERT_EQ(fs_.WriteWholeFile(Path("s.ini"), original), kErrorSuccess);
    Backdate("s.ini");
    const uint32_t attributes = code == kErrorAccessDenied ? kAttrReadOnly : kAttrArchive;
    ASSERT_EQ(fs_.SetAttributes(Path("s.ini"), attributes), kErrorSuccess);
    const uint64_t stamp = fs_.LastWriteTime(Path("s.ini"));
    EXPECT_EQ(fs->WriteWholeFile(Path("s.ini"), big), code);
    EXPECT_EQ(Read("s.ini"), original);
    EXPECT_EQ(fs_.LastWriteTime(Path("s.ini")), stamp);
    EXPECT_EQ(Names(), std::vector<std::string>{"s.ini"});
  }
}

// What the wrapper adds to the system's calls: values longer than a first buffer come
// whole, an empty value is not an unset one, and the list is read out of the block.
TEST(Win32Environment, LongEmptyAndUnsetValuesAndTheList) {
  const std::string long_value = std::string(5000, 'v') + "Żółw😀";
  ASSERT_TRUE(SetEnvironmentVariableW(L"KX_TEST_LONG", Wide(long_value).c_str()));
  ASSERT_TRUE(SetEnvironmentVariableA("KX_TEST_EMPTY", ""));
  ASSERT_TRUE(SetEnvironmentVariableA("KX_TEST_UNSET", nullptr));
  Win32Environment env;
  EXPECT_EQ(env.Get("kx_test_long"), long_value);
  EXPECT_EQ(env.Expand("<%KX_TEST_LONG%>"), "<" + long_value + ">");
  EXPECT_EQ(env.Get("KX_TEST_EMPTY"), "");
  EXPECT_EQ(env.Get("KX_TEST_UNSET"), std::nullopt);
  const auto list = env.List();
  EXPECT_NE(std::find(list.begin(), list.end(), std::pair(std::string("KX_TEST_LONG"), long_value)),
            list.end());
  SetEnvironmentVariableA("KX_TEST_LONG", nullptr);
  SetEnvironmentVariableA("KX_TEST_EMPTY", nullptr);
}

}  // namespace
}  // namespace kestrix
