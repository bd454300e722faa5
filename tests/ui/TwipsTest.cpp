#include "platform/ui/Twips.h"

#include <gtest/gtest.h>

using namespace corvane::ui;

TEST(Twips, TheScaleFollowsTheDotsPerInch)
{
    EXPECT_DOUBLE_EQ(TwipsScale::FromDpi(96, 96).PerPixelX(), 15.0);
    EXPECT_DOUBLE_EQ(TwipsScale::FromDpi(120, 144).PerPixelY(), 10.0);
    EXPECT_EQ(TwipsScale::FromDpi(120, 120).SizeToPixels(4365, 3195), QSize(364, 266)); // 363.75 x 266.25
    EXPECT_DOUBLE_EQ(ScreenTwipsScale().PerPixelX(), 15.0); // the offscreen screen has 96 dpi
}

TEST(Twips, RectanglesThatMeetInTwipsMeetInPixels)
{
    // Seven cells of 621 twips (41.4 pixels) tile 4347 twips without gaps or overlaps.
    const TwipsScale scale = TwipsScale::FromDpi(96, 96);
    int right = 0;
    int total = 0;
    for (int column = 0; column < 7; ++column) {
        const QRect cell = scale.ToPixels({column * 621, 0, 621, 380});
        EXPECT_EQ(cell.left(), right) << column;
        EXPECT_TRUE(cell.width() == 41 || cell.width() == 42) << column;
        right = cell.left() + cell.width();
        total += cell.width();
    }
    EXPECT_EQ(total, 290); // 4347 / 15 = 289.8
    EXPECT_EQ(scale.ToPixels({-30, -60, 795, 300}), QRect(-2, -4, 53, 20));
}
