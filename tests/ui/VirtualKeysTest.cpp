#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

using namespace corvane::ui;

TEST(VirtualKeys, QtKeysBecomeKeyCodes)
{
    const std::pair<int, int> cases[] = {
        {Qt::Key_A, 65},      {Qt::Key_Z, 90},           {Qt::Key_0, 48},      {Qt::Key_9, 57},
        {Qt::Key_F1, 112},    {Qt::Key_F12, 123},        {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},    {Qt::Key_Home, 36},        {Qt::Key_Left, 37},   {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},  {Qt::Key_Down, 40},        {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
        {Qt::Key_Escape, 27}, {Qt::Key_Backspace, 8},    {Qt::Key_Shift, 16},  {Qt::Key_Delete, 46},
        {Qt::Key_Comma, 188}, {Qt::Key_Apostrophe, 222}, {Qt::Key_Eacute, 0},  {Qt::Key_unknown, 0},
    };
    for (const auto &[key, code] : cases)
        EXPECT_EQ(VirtualKeyOf(key), code) << std::hex << key;
}

TEST(VirtualKeys, ModifiersAndButtonsAddUp)
{
    EXPECT_EQ(ShiftStateOf(Qt::NoModifier), 0);
    EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier), 1);
    EXPECT_EQ(ShiftStateOf(Qt::ControlModifier | Qt::AltModifier), 6);
    EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier | Qt::KeypadModifier), 3);
    EXPECT_EQ(MouseButtonsOf(Qt::LeftButton), 1);
    EXPECT_EQ(MouseButtonsOf(Qt::RightButton | Qt::MiddleButton), 6);
    EXPECT_EQ(MouseButtonsOf(Qt::BackButton), 0);
}
