#include "controls/picker/PickerLayout.h"

#include <gtest/gtest.h>

using corvane::picker::BorderAllowance;
using corvane::picker::LayoutPicker;
using corvane::ui::TwipsRect;

static_assert(corvane::picker::kDropWidth == 4365); // the month view, as wide as the month control

TEST(PickerLayout, EachLookHasItsSizeAndButtonAt15TwipsPerPixel)
{
    struct Case {
        int appearance;
        int borderStyle;
        int width;
        int height;
        TwipsRect button;
        TwipsRect bar;
    };
    const Case cases[] = {
        {0, 1, 4369, 285, {4119, 35, 180, 180}, {-25, -280, 255, 495}},
        {1, 1, 4399, 300, {4089, 5, 265, 235}, {-5, -250, 255, 495}},
        {1, 0, 4365, 265, {4115, 35, 180, 180}, {-25, -280, 255, 495}},
        {0, 0, 4365, 270, {4115, 35, 180, 180}, {-25, -280, 255, 495}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "appearance " << c.appearance << ", border " << c.borderStyle);
        const auto g = LayoutPicker(c.appearance, c.borderStyle, 15.0);
        EXPECT_EQ(g.PicCmb, (TwipsRect{0, 0, c.width, c.height}));
        EXPECT_EQ(g.LabCmbLeft, 30);
        EXPECT_EQ(g.LabCmbTop, 30);
        EXPECT_EQ(g.LabCmbWidth, c.width - 420);
        EXPECT_EQ(g.PictBtn, c.button);
        EXPECT_EQ(g.VScBtn, c.bar);
    }
}

TEST(PickerLayout, BorderAllowanceRoundsHalvesToEven)
{
    struct Case {
        int appearance;
        int borderStyle;
        double twipsPerPixel;
        int z;
    };
    const Case cases[] = {
        {1, 1, 15.0, -17},
        {0, 1, 15.0, -2},
        {1, 0, 15.0, 0},
        {0, 0, 15.0, 0},
        {1, 1, 12.0, -14},
        {1, 1, 12.5, -14},
        {1, 1, 13.5, -16},
        {1, 1, 9.6, -12},
    };
    for (const Case &c : cases)
        EXPECT_EQ(BorderAllowance(c.appearance, c.borderStyle, c.twipsPerPixel), c.z)
            << c.appearance << "/" << c.borderStyle << " at " << c.twipsPerPixel;
    EXPECT_EQ(LayoutPicker(1, 1, 12.0).PicCmb.width, 4365 + 28);
}
