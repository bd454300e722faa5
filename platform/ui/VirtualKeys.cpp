#include "VirtualKeys.h"

#include <QMouseEvent>
#include <QWidget>
#include <array>
#include <utility>

namespace corvane::ui
{

namespace
{

// clang-format off
// Qt key -> key code, for keys outside the letter, digit and function-key runs.
constexpr std::array<std::pair<int, int>, 39> kKeys = {{
    {Qt::Key_Backspace, vk::Back},  {Qt::Key_Tab, vk::Tab},         {Qt::Key_Backtab, vk::Tab},
    {Qt::Key_Return, vk::Return},   {Qt::Key_Enter, vk::Return},    {Qt::Key_Shift, vk::Shift},
    {Qt::Key_Control, vk::Control}, {Qt::Key_Alt, vk::Menu},        {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},         {Qt::Key_Escape, vk::Escape},   {Qt::Key_Space, vk::Space},
    {Qt::Key_PageUp, vk::Prior},    {Qt::Key_PageDown, vk::Next},   {Qt::Key_End, vk::End},
    {Qt::Key_Home, vk::Home},       {Qt::Key_Left, vk::Left},       {Qt::Key_Up, vk::Up},
    {Qt::Key_Right, vk::Right},     {Qt::Key_Down, vk::Down},       {Qt::Key_Print, 44},
    {Qt::Key_Insert, vk::Insert},   {Qt::Key_Delete, vk::Delete},   {Qt::Key_Help, 47},
    {Qt::Key_Meta, 91},             {Qt::Key_Menu, 93},             {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},      {Qt::Key_Semicolon, 186},       {Qt::Key_Equal, 187},
    {Qt::Key_Comma, 188},           {Qt::Key_Minus, 189},           {Qt::Key_Period, 190},
    {Qt::Key_Slash, 191},           {Qt::Key_QuoteLeft, 192},       {Qt::Key_BracketLeft, 219},
    {Qt::Key_Backslash, 220},       {Qt::Key_BracketRight, 221},
    {Qt::Key_Apostrophe, 222},
}};
// clang-format on

} // namespace

int VirtualKeyOf(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return vk::F1 + (qtKey - Qt::Key_F1);
    for (const auto &[key, code] : kKeys)
        if (key == qtKey)
            return code;
    return 0;
}

std::int16_t ShiftStateOf(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= kShiftMask;
    if (modifiers & Qt::ControlModifier)
        state |= kCtrlMask;
    if (modifiers & Qt::AltModifier)
        state |= kAltMask;
    return std::int16_t(state);
}

std::int16_t MouseButtonsOf(Qt::MouseButtons buttons)
{
    int mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= kLeftButton;
    if (buttons & Qt::RightButton)
        mask |= kRightButton;
    if (buttons & Qt::MiddleButton)
        mask |= kMiddleButton;
    return std::int16_t(mask);
}

bool IsClick(const QWidget &widget, const QMouseEvent &release)
{
    return release.button() == Qt::LeftButton && widget.rect().contains(release.position().toPoint());
}

} // namespace corvane::ui
