#include <gtest/gtest.h>

#include "editmodel.h"

TEST(Placeholder, Builds) { EXPECT_TRUE(true); }
