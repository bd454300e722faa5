#include "platform/ui/OleColor.h"
#include "platform/automation/AutomationError.h"

#include "ErrorOf.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::ui;

namespace
{

int ResolveError(OleColor value)
{
    return ErrorOf([&] { ResolveOleColor(value, QPalette()); });
}

} // namespace

TEST(OleColor, PlainColoursAreBlueGreenRedFromTheTop)
{
    EXPECT_EQ(ResolveOleColor(0x00FFFF80, QPalette()), QColor(0x80, 0xFF, 0xFF));
    EXPECT_EQ(ResolveOleColor(0x00008000, QPalette()), QColor(0, 0x80, 0));
    EXPECT_EQ(OleRgb(0x12, 0x34, 0x56), 0x00563412u);
}

TEST(OleColor, SystemColoursComeFromThePalette)
{
    // A palette whose every slot holds a colour of its own, so each lookup shows where it went.
    QPalette palette;
    int n = 1;
    for (int group : {QPalette::Active, QPalette::Disabled, QPalette::Inactive})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            palette.setColor(QPalette::ColorGroup(group), QPalette::ColorRole(role), QColor::fromRgb(QRgb(n++)));
    struct Case {
        OleColor value;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    };
    const Case cases[] = {
        {0x80000005, QPalette::Active, QPalette::Base}, // window: the background text sits on
        {0x80000008, QPalette::Active, QPalette::Text},
        {0x80000009, QPalette::Active, QPalette::HighlightedText}, // caption text
        {0x8000000E, QPalette::Active, QPalette::HighlightedText},
        {0x8000000F, QPalette::Active, QPalette::Button},
        {0x80000010, QPalette::Active, QPalette::Dark},
        {0x80000011, QPalette::Disabled, QPalette::Text},
        {0x80000012, QPalette::Active, QPalette::ButtonText},
        {0x80000006, QPalette::Active, QPalette::Shadow},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ResolveOleColor(c.value, palette), palette.color(c.group, c.role)) << std::hex << c.value;
}

TEST(OleColor, OtherHighBytesAndUnknownSystemIndexesAreRefused)
{
    EXPECT_EQ(ResolveError(0x8000001E), 0); // menu bar, the last index
    EXPECT_EQ(ResolveError(0x8000001F), 380);
    EXPECT_EQ(ResolveError(0x80000100), 380);
    EXPECT_EQ(ResolveError(0x01000000), 380);
    EXPECT_EQ(ResolveError(0xFFFFFFFF), 380);
    EXPECT_FALSE(IsValidOleColor(0x7F000000));
    EXPECT_TRUE(IsValidOleColor(0x00FFFFFF));
}
