#include <gtest/gtest.h>
namespace kestrix {
int Placeholder();
}
TEST(Placeholder, Works) {
  EXPECT_EQ(kestrix::Placeholder(), 1);
}
