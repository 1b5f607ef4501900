#include "create/dir_attributes.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace kestrix {
namespace {

TEST(SetDirAttributes, PassesTheDirectoryBitPlusTheChosenBits) {
  struct Case {
    DirAttributeSet set;
    uint32_t value;
  } cases[] = {
      {{}, 0x10},
      {{true, false, false, false}, 0x11},
      {{false, true, false, false}, 0x30},
      {{false, false, true, false}, 0x12},
      {{false, false, false, true}, 0x14},
      {{false, false, true, true}, 0x16},
      {{true, true, true, true}, 0x37},
  };
  for (const Case& c : cases) {
    FakeFileSystem fs;
    fs.AddDirectory("C:\\New");
    EXPECT_EQ(c.set.Value(), c.value);
    EXPECT_EQ(SetDirAttributes(fs, "C:\\New", c.set), 0u);
    EXPECT_EQ(fs.GetAttributes("C:\\New"), c.value);
  }
}

TEST(SetDirAttributes, ReportsAMissingDirectory) {
  FakeFileSystem fs;
  EXPECT_NE(SetDirAttributes(fs, "C:\\Gone", {false, false, true, false}), 0u);
}

}  // namespace
}  // namespace kestrix
