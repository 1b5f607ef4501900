#include "create/level_creation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"

namespace kestrix {
namespace {

class LevelCreationTest : public testing::Test {
 protected:
  void SetUp() override {
    fs_.AddDirectory("C:");
    fs_.AddDirectory("C:\\cur");
  }
  FakeFileSystem fs_;
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
  EXPECT_EQ(fs_.CreatedDirectories(),
            (std::vector<std::string>{"C:\\cur\\a\\b", "C:\\cur\\a\\b\\c"}));
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
  EXPECT_EQ(fs_.CreatedDirectories(),
            (std::vector<std::string>{"C:\\cur\\x", "C:\\cur\\p", "C:\\cur\\p\\q"}));
}

TEST_F(LevelCreationTest, AFailedLevelKeepsTheBaseForTheNextPart) {
  fs_.FailPath("C:\\cur\\bad", kErrorAccessDenied);
  const auto outcomes = CreateLevels(fs_, "C:\\cur\\", {"bad", "next"});
  ASSERT_EQ(outcomes.size(), 2u);
  EXPECT_EQ(outcomes[0].step, LevelStep::kFailed);
  EXPECT_EQ(outcomes[0].error, kErrorAccessDenied);
  EXPECT_EQ(outcomes[0].part, "bad");
  EXPECT_EQ(outcomes[1].step, LevelStep::kCreated);
  EXPECT_EQ(outcomes[1].path, "C:\\cur\\next");
}

TEST_F(LevelCreationTest, AFileInTheWayFailsWithItsErrorCode) {
  fs_.AddFile("C:\\cur\\f", "");
  const auto outcomes = CreateLevels(fs_, "C:\\cur\\", {"f", "g"});
  EXPECT_EQ(outcomes[0].step, LevelStep::kFailed);
  EXPECT_EQ(outcomes[0].error, kErrorAlreadyExists);
}

TEST_F(LevelCreationTest, ForceDirectoriesCreatesEveryMissingLevel) {
  EXPECT_EQ(ForceDirectories(fs_, "C:\\X\\Y\\"), kErrorSuccess);
  EXPECT_EQ(fs_.CreatedDirectories(), (std::vector<std::string>{"C:\\X", "C:\\X\\Y"}));
  EXPECT_EQ(ForceDirectories(fs_, "c:/x/y/z"), kErrorSuccess);
  EXPECT_EQ(fs_.CreatedDirectories().back(), "c:\\x\\y\\z");
  EXPECT_EQ(ForceDirectories(fs_, "C:\\cur"), kErrorSuccess);
  EXPECT_EQ(fs_.CreatedDirectories().size(), 3u);
}

TEST_F(LevelCreationTest, ForceDirectoriesReportsTheFirstFailure) {
  fs_.AddFile("C:\\cur\\file", "");
  EXPECT_EQ(ForceDirectories(fs_, "C:\\cur\\file\\sub"), kErrorAlreadyExists);
  EXPECT_EQ(ForceDirectories(fs_, "Q:\\x"), kErrorPathNotFound);
  EXPECT_EQ(ForceDirectories(fs_, "\\\\server\\share\\x"), kErrorPathNotFound);
  EXPECT_EQ(ForceDirectories(fs_, ""), kErrorInvalidName);
  EXPECT_TRUE(fs_.CreatedDirectories().empty());
}

}  // namespace
}  // namespace kestrix
