#include <gtest/gtest.h>
#include "plugin/tools.h"
TEST(Placeholder, SplitNull) { EXPECT_TRUE(qb::split_arguments(nullptr).empty()); }
