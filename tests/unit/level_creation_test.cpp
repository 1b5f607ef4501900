#include "create/level_creation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "names/text_utils.h"

namespace kestrix {
namespace {

// Just enough of a Windows file system for level walks: case-insensitive names, one level
// per CreateDirectory, the error codes CreateDirectoryA gives, and a log of creations.
class TinyFileSystem : public FileSystem {
 public:
  void AddDirectory(const std::string& path) { entries_[Key(path)] = kAttrDirectory; }
  void AddFile(const std::string& path) { entries_[Key(path)] = kAttrArchive; }
  void FailCreation(const std::string& path, uint32_t error) { failures_[Key(path)] = error; }
  const std::vector<std::string>& created() const { return created_; }

  uint32_t GetAttributes(const std::string& path) override {
    auto it = entries_.find(Key(path));
    return it == entries_.end() ? kAttrInvalid : it->second;
  }
  uint32_t SetAttributes(const std::string&, uint32_t) override { return kErrorSuccess; }
  uint32_t CreateDirectory(const std::string& path) override {
    const std::string key = Key(path);
    if (auto it = failures_.find(key); it != failures_.end()) return it->second;
    if (entries_.count(key)) return kErrorAlreadyExists;
    const std::size_t sep = key.rfind('\\');
    if (sep != std::string::npos && !DirectoryExists(key.substr(0, sep))) {
      return kErrorPathNotFound;
    }
    entries_[key] = kAttrDirectory;
    created_.push_back(path);
    return kErrorSuccess;
  }
  uint32_t ReadWholeFile(const std::string&, std::string&) override { return kErrorFileNotFound; }
  uint32_t WriteWholeFile(const std::string&, const std::string&) override {
    return kErrorAccessDenied;
  }
  uint32_t CopyFile(const std::string&, const std::string&, bool) override {
    return kErrorAccessDenied;
  }
  uint32_t DeleteFile(const std::string&) override { return kErrorAccessDenied; }
  std::vector<DirEntry> ListDirectory(const std::string&, const std::string&) override {
    return {};
  }
  uint64_t LastWriteTime(const std::string&) override { return 0; }

 private:
  static std::string Key(std::string path) {
    while (path.size() > 2 && path.back() == '\\') path.pop_back();
    return AsciiUpperCase(path);
  }
  std::map<std::string, uint32_t> entries_;
  std::map<std::string, uint32_t> failures_;
  std::vector<std::string> created_;
};

class LevelCreationTest : public testing::Test {
 protected:
  void SetUp() override {
    fs_.AddDirectory("C:");
    fs_.AddDirectory("C:\\cur");
  }
  TinyFileSystem fs_;
};

std::vector<LevelStep> Steps(const std::vector<LevelOutcome>& outcomes) {
  std::vector<LevelStep> steps;
  for (const LevelOutcome& o : outcomes) steps.push_back(o.step);
  return steps;
}

TEST_F(LevelCreationTest, EntersExistingLevelsAndCreatesTheRest) {
  fs_.AddDirectory("C:\\cur\\A");
  const auto outcomes = CreateLevels(fs_, "C:\\cur\\", {"a", "b", "c"});
  EXPECT_EQ(Steps(outcomes), (std::vector<LevelStep>{LevelStep::kEntered, LevelStep::kCreated,
                                                     LevelStep::kCreated}));
  EXPECT_EQ(outcomes[1].path, "C:\\cur\\a\\b");
  EXPECT_EQ(fs_.created(), (std::vector<std::string>{"C:\\cur\\a\\b", "C:\\cur\\a\\b\\c"}));
}

TEST_F(LevelCreationTest, EmptyPartsStayAtTheCurrentBase) {
  // "*x" before any parent gives "\x"; "a\" ends with an empty part; "a\\b" has one inside.
  auto outcomes = CreateLevels(fs_, "C:\\cur\\", {"", "x"});
  EXPECT_EQ(outcomes[0].step, LevelStep::kEntered);
  EXPECT_EQ(outcomes[0].path, "C:\\cur");
  EXPECT_EQ(outcomes[1].path, "C:\\cur\\x");

  outcomes = CreateLevels(fs_, "C:\\cur\\", {"x", ""});
  EXPECT_EQ(Steps(outcomes), (std::vector<LevelStep>{LevelStep::kEntered, LevelStep::kEntered}));

  outcomes = CreateLevels(fs_, "C:\\cur", {"p", "", "q"});
  EXPECT_EQ(outcomes[2].path, "C:\\cur\\p\\q");
  EXPECT_EQ(fs_.created(), (std::vector<std::string>{"C:\\cur\\x", "C:\\cur\\p", "C:\\cur\\p\\q"}));
}

TEST_F(LevelCreationTest, AFailedLevelKeepsTheBaseForTheNextPart) {
  fs_.FailCreation("C:\\cur\\bad", kErrorAccessDenied);
  const auto outcomes = CreateLevels(fs_, "C:\\cur\\", {"bad", "next"});
  ASSERT_EQ(outcomes.size(), 2u);
  EXPECT_EQ(outcomes[0].step, LevelStep::kFailed);
  EXPECT_EQ(outcomes[0].error, kErrorAccessDenied);
  EXPECT_EQ(outcomes[0].part, "bad");
  EXPECT_EQ(outcomes[1].step, LevelStep::kCreated);
  EXPECT_EQ(outcomes[1].path, "C:\\cur\\next");
}

TEST_F(LevelCreationTest, AFileInTheWayFailsWithItsErrorCode) {
  fs_.AddFile("C:\\cur\\f");
  const auto outcomes = CreateLevels(fs_, "C:\\cur\\", {"f", "g"});
  EXPECT_EQ(outcomes[0].step, LevelStep::kFailed);
  EXPECT_EQ(outcomes[0].error, kErrorAlreadyExists);
}

TEST_F(LevelCreationTest, ForceDirectoriesCreatesEveryMissingLevel) {
  EXPECT_EQ(ForceDirectories(fs_, "C:\\X\\Y\\"), kErrorSuccess);
  EXPECT_EQ(fs_.created(), (std::vector<std::string>{"C:\\X", "C:\\X\\Y"}));
  EXPECT_EQ(ForceDirectories(fs_, "c:/x/y/z"), kErrorSuccess);
  EXPECT_EQ(fs_.created().back(), "c:\\x\\y\\z");
  EXPECT_EQ(ForceDirectories(fs_, "C:\\cur"), kErrorSuccess);
  EXPECT_EQ(fs_.created().size(), 3u);
}

TEST_F(LevelCreationTest, ForceDirectoriesReportsTheFirstFailure) {
  fs_.AddFile("C:\\cur\\file");
  EXPECT_EQ(ForceDirectories(fs_, "C:\\cur\\file\\sub"), kErrorAlreadyExists);
  EXPECT_EQ(ForceDirectories(fs_, "Q:\\x"), kErrorPathNotFound);
  EXPECT_EQ(ForceDirectories(fs_, "\\\\server\\share\\x"), kErrorPathNotFound);
  EXPECT_EQ(ForceDirectories(fs_, ""), kErrorInvalidName);
  EXPECT_TRUE(fs_.created().empty());
}

TEST(LevelCreation, WithTrailingSeparator) {
  EXPECT_EQ(WithTrailingSeparator("C:\\a"), "C:\\a\\");
  EXPECT_EQ(WithTrailingSeparator("C:\\a\\"), "C:\\a\\");
  EXPECT_EQ(WithTrailingSeparator("C:/a/"), "C:/a/");
  EXPECT_EQ(WithTrailingSeparator(""), "\\");
}

}  // namespace
}  // namespace kestrix
