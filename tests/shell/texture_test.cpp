#include "shell/texture.h"

#include <gtest/gtest.h>

TEST(BackgroundTexture, LoadsAtTheSizeOfTheToolWindowBackground)
{
    EXPECT_EQ(BackgroundTexture().size(), QSize(446, 166));
}
