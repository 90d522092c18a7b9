#include "platform/tcolor.h"

#include <gtest/gtest.h>

using namespace tessarine;

TEST(TColor, ExplicitColoursAreBlueGreenRed)
{
    EXPECT_EQ(ToQColor(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(RGBColor(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_FALSE(IsSystemColor(clWhite));
}

TEST(TColor, SystemColoursResolveFromTheClassicTable)
{
    EXPECT_TRUE(IsSystemColor(clWindowText));
    EXPECT_EQ(ToQColor(clWindowText), QColor(0, 0, 0));
    EXPECT_EQ(ToQColor(TColor(0x80000005u)), QColor(255, 255, 255)); // window
    EXPECT_EQ(ToQColor(TColor(0x8000000Fu)), QColor(212, 208, 200)); // button face
    EXPECT_EQ(ToQColor(TColor(0x800000FFu)), QColor(0, 0, 0));       // unknown index
}
