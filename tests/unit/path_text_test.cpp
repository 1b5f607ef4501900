#include "base/path_text.h"

#include <gtest/gtest.h>

namespace kestrix::pathtext {
namespace {

TEST(PathText, PartsOfAPath) {
  struct Case {
    const char* path;
    const char* drive;
    const char* dir;
    const char* name;
    const char* ext;
  } cases[] = {
      {"c:\\tc\\Kestrix\\tc Kestrix.exe", "c:", "c:\\tc\\Kestrix\\", "tc Kestrix.exe", ".exe"},
      {"c:/tc/x.ini", "c:", "c:/tc/", "x.ini", ".ini"},
      {"d:x.exe", "d:", "d:", "x.exe", ".exe"},
      {"\\\\srv\\share\\.hidden", "\\\\srv\\share", "\\\\srv\\share\\", ".hidden", ".hidden"},
      {"x", "", "", "x", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractFileDrive(c.path), c.drive) << c.path;
    EXPECT_EQ(ExtractFilePath(c.path), c.dir) << c.path;
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
  }
  EXPECT_EQ(WithTrailingSeparator("c:/a/"), "c:/a/");
  EXPECT_EQ(WithTrailingSeparator("c:\\a"), "c:\\a\\");
  EXPECT_EQ(WithTrailingSeparator(""), "\\");
}

TEST(PathText, AbsolutePathsAreDrivePathsAndNetworkPaths) {
  struct Case {
    const char* text;
    bool absolute;
  };
  const Case cases[] = {
      {"C:\\X\\Y", true}, {"  d:\\x  ", true}, {"\\\\server\\share", true},
      {"z:\\", true},     {"C:/x", false},     {"C:", false},
      {"\\x", false},     {"a\\b", false},     {"", false},
      {"ab:\\", false},   {":\\x", false},     {" \\\\s", true},
  };
  for (const Case& c : cases) EXPECT_EQ(IsAbsolutePath(c.text), c.absolute) << c.text;
}

}  // namespace
}  // namespace kestrix::pathtext
