#include <gtest/gtest.h>

#include "base/string.h"

TEST(CStringTest, Placeholder) { EXPECT_EQ(CString("a").GetLength(), 1); }
