#include "controls/spin/SpinLayout.h"

#include <gtest/gtest.h>

using corvane::spin::LayoutSpin;
using corvane::spin::SpinKind;
using corvane::ui::TwipsRect;

namespace
{

// Each editor in each appearance, in the twips of the design: the text box, the two button
// containers, the bars inside them and the control's size.
TEST(SpinLayout, EachEditorAndAppearanceHasItsDesignedGeometry)
{
    struct Case {
        SpinKind kind;
        int appearance;
        TwipsRect text, upBox, downBox, upBar, downBar;
        bool flat;
        int width, height;
    };
    // clang-format off
    const Case cases[] = {
        {SpinKind::Date, 0, {0, 0, 1365, 285}, {1350, 0, 375, 135}, {1350, 150, 375, 135},
         {-30, -30, 405, 375}, {-30, -240, 405, 375}, true, 1725, 285},
        {SpinKind::Date, 1, {0, 0, 1365, 285}, {1350, 0, 375, 135}, {1350, 150, 375, 135},
         {0, 0, 345, 315}, {0, -210, 345, 315}, false, 1695, 255},
        {SpinKind::Time, 0, {0, 0, 855, 285}, {840, 0, 375, 135}, {840, 150, 375, 135},
         {-30, -30, 405, 375}, {-30, -240, 405, 375}, true, 1215, 285},
        {SpinKind::Time, 1, {0, 0, 855, 285}, {840, 0, 375, 135}, {840, 150, 375, 135},
         {0, 0, 345, 315}, {0, -210, 345, 315}, false, 1185, 255},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << (c.kind == SpinKind::Date ? "date" : "time") << ", appearance "
                                        << c.appearance);
        const auto g = LayoutSpin(c.kind, c.appearance);
        EXPECT_EQ(g.text, c.text);
        EXPECT_EQ(g.upBox, c.upBox);
        EXPECT_EQ(g.downBox, c.downBox);
        EXPECT_EQ(g.upBar, c.upBar);
        EXPECT_EQ(g.downBar, c.downBar);
        EXPECT_EQ(g.flat, c.flat);
        EXPECT_EQ(g.width, c.width);
        EXPECT_EQ(g.height, c.height);
    }
}

} // namespace
