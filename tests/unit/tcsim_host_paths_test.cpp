#include <gtest/gtest.h>

#include <set>

#include "tcsim/host_paths.h"

namespace kestrix::tcsim {
namespace {

TEST(TcsimHostPaths, NormalizesPanelPaths) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"C:\\Work", "C:\\Work\\"},
      {"C:\\Work\\", "C:\\Work\\"},
      {"C:\\Work\\*.*", "C:\\Work\\"},
      {" C:\\x.zip\\*.* ", "C:\\x.zip\\"},
      {"C:\\", "C:\\"},
      {"\\\\\\", "\\\\\\"},
      {"\\\\\\Virtual Panel\\a", "\\\\\\Virtual Panel\\a\\"},
      {"1:/x", "1:/x\\"},
      {"", ""},
      {"*.*", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(NormalizePanelPath(c.in), c.out) << c.in;
}

TEST(TcsimHostPaths, ClassifiesLocationsWithoutARealDirectory) {
  std::set<std::string> files = {"C:\\d\\x.zip", "C:\\file.txt"};
  auto is_file = [&](const std::string& p) { return files.count(p) > 0; };
  struct Case {
    const char* path;
    PathKind kind;
  } cases[] = {
      {"C:\\d\\", PathKind::Directory},
      {"C:\\d\\x.zip\\", PathKind::Archive},
      {"C:\\d\\x.zip\\Folder\\", PathKind::Archive},
      {"C:\\d\\x.zipper\\", PathKind::Directory},
      {"\\\\\\", PathKind::Plugin},
      {"\\\\\\Virtual Panel\\x\\", PathKind::Plugin},
      {"1:\\x\\", PathKind::DigitDrive},
      {"1:/", PathKind::DigitDrive},
      {"\\\\server\\share\\", PathKind::Directory},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyPath(c.path, is_file), c.kind) << c.path;
}

TEST(TcsimHostPaths, ShowsPathPanelAndCommandLineTexts) {
  EXPECT_EQ(PathPanelText("C:\\Work\\"), "C:\\Work\\*.*");
  EXPECT_EQ(CommandLineLabel("C:\\Work\\"), "C:\\Work>");
  EXPECT_EQ(CommandLineLabel("C:\\"), "C:\\>");
  EXPECT_EQ(CommandLineLabel("\\\\\\"), "\\\\\\>");
  EXPECT_EQ(CommandLineLabel("\\\\server\\share\\"), "\\\\server\\share\\>");
  EXPECT_EQ(CommandLineLabel("\\\\server\\share\\x\\"), "\\\\server\\share\\x>");
}

TEST(TcsimHostPaths, StepsToTheParentUntilTheRoot) {
  struct Case {
    const char* path;
    const char* parent;  // nullptr: no parent
    const char* child;
  } cases[] = {
      {"C:\\Work\\New\\", "C:\\Work\\", "New"},
      {"C:\\Work\\", "C:\\", "Work"},
      {"C:\\", nullptr, nullptr},
      {"C:\\d\\x.zip\\", "C:\\d\\", "x.zip"},
      {"\\\\\\Virtual Panel\\", "\\\\\\", "Virtual Panel"},
      {"\\\\\\", nullptr, nullptr},
      {"\\\\server\\share\\a\\", "\\\\server\\share\\", "a"},
      {"\\\\server\\share\\", nullptr, nullptr},
      {"relative\\", nullptr, nullptr},
      {"", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    std::optional<ParentStep> step = ParentOf(c.path);
    if (!c.parent) {
      EXPECT_EQ(step.has_value(), false) << c.path;
      continue;
    }
    ASSERT_TRUE(step) << c.path;
    EXPECT_EQ(step->parent, c.parent) << c.path;
    EXPECT_EQ(step->child, c.child) << c.path;
  }
}

TEST(TcsimHostPaths, FindsTheRoot) {
  EXPECT_EQ(RootOf("C:\\Work\\New\\"), "C:\\");
  EXPECT_EQ(RootOf("\\\\\\Virtual Panel\\a\\"), "\\\\\\");
  EXPECT_EQ(RootOf("\\\\server\\share\\a\\"), "\\\\server\\share\\");
  EXPECT_EQ(RootOf("\\\\server"), "\\\\server");
}

}  // namespace
}  // namespace kestrix::tcsim
