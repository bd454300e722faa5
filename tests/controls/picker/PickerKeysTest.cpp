#include "controls/picker/PickerKeys.h"

#include <gtest/gtest.h>

namespace
{

using corvane::picker::ButtonKeyOf;
using corvane::picker::DropDownKeyOf;
using corvane::picker::PickerKey;

struct KeyRow {
    const char *what;
    int key;
    Qt::KeyboardModifiers modifiers;
    PickerKey onButton;
    PickerKey inDropDown;
};

constexpr auto kNone = Qt::KeyboardModifiers();
const KeyRow kRows[] = {
    {"F4", Qt::Key_F4, kNone, PickerKey::Toggle, PickerKey::Close},
    {"Alt+Down", Qt::Key_Down, Qt::AltModifier, PickerKey::Toggle, PickerKey::None}, // the grid's week down
    {"Alt+Down on the keypad", Qt::Key_Down, Qt::AltModifier | Qt::KeypadModifier, PickerKey::Toggle, PickerKey::None},
    {"Escape", Qt::Key_Escape, kNone, PickerKey::Close, PickerKey::Close},
    {"Return", Qt::Key_Return, kNone, PickerKey::None, PickerKey::Pick},
    {"Enter", Qt::Key_Enter, Qt::KeypadModifier, PickerKey::None, PickerKey::Pick},
    {"Alt+F4 closes windows", Qt::Key_F4, Qt::AltModifier, PickerKey::None, PickerKey::None},
    {"Ctrl+Down", Qt::Key_Down, Qt::ControlModifier, PickerKey::None, PickerKey::None},
    {"Down", Qt::Key_Down, kNone, PickerKey::None, PickerKey::None},
    {"Alt+Up", Qt::Key_Up, Qt::AltModifier, PickerKey::None, PickerKey::None},
    {"Space", Qt::Key_Space, kNone, PickerKey::None, PickerKey::None},
    {"Shift+Escape", Qt::Key_Escape, Qt::ShiftModifier, PickerKey::None, PickerKey::None},
    {"Shift+Return", Qt::Key_Return, Qt::ShiftModifier, PickerKey::None, PickerKey::None},
};

TEST(PickerKeys, TheButtonOpensWithF4AndAltDownAndTheDropDownClosesOrPicks)
{
    for (const KeyRow &row : kRows) {
        EXPECT_EQ(ButtonKeyOf(row.key, row.modifiers), row.onButton) << row.what;
        EXPECT_EQ(DropDownKeyOf(row.key, row.modifiers), row.inDropDown) << row.what;
    }
}

} // namespace
