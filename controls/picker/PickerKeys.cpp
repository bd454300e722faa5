#include "PickerKeys.h"

namespace corvane::picker
{

namespace
{

// A key of the keypad counts as the same key.
Qt::KeyboardModifiers Plain(Qt::KeyboardModifiers modifiers)
{
    return modifiers & ~Qt::KeypadModifier;
}

} // namespace

PickerKey ButtonKeyOf(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers plain = Plain(modifiers);
    if ((key == Qt::Key_F4 && plain == Qt::NoModifier) || (key == Qt::Key_Down && plain == Qt::AltModifier))
        return PickerKey::Toggle;
    if (key == Qt::Key_Escape && plain == Qt::NoModifier)
        return PickerKey::Close;
    return PickerKey::None;
}

PickerKey DropDownKeyOf(int key, Qt::KeyboardModifiers modifiers)
{
    if (Plain(modifiers) != Qt::NoModifier)
        return PickerKey::None;
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_F4:
        return PickerKey::Close;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PickerKey::Pick;
    default:
        return PickerKey::None;
    }
}

} // namespace corvane::picker
