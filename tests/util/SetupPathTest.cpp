#include "util/SetupPath.h"

#include <gtest/gtest.h>

TEST(SetupPath, OnlyTheFilesOwnExtensionIsReplaced) {
    EXPECT_EQ(WithSetupExtensionReplaced("/comp/Fall.STU", "*.tvr"), "/comp/Fall*.tvr");
    EXPECT_EQ(WithSetupExtensionReplaced("/my.stuff/a.stu.x/Fall.stu", ".txt"),
              "/my.stuff/a.stu.x/Fall.txt");
    EXPECT_EQ(WithSetupExtensionReplaced("/comp/Fall", "_Star.tvr"), "/comp/Fall_Star.tvr");
}
