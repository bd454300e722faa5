#pragma once

#include <Qt>

#include <cstdint>

class QMouseEvent;
class QWidget;

namespace corvane::ui
{

// Key codes and shift states as the controls' key and mouse events carry them.
namespace vk
{
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18; // Alt
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Prior = 33; // Page Up
inline constexpr int Next = 34; // Page Down
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int F1 = 112;
} // namespace vk

// Shift state: the sum of these.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// Mouse buttons: the sum of these.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// The key code of a Qt key: letters and digits their upper-case ASCII code, F1..F24 112..135, the
// editing, navigation and modifier keys their platform codes, the main punctuation keys of a US
// layout their OEM codes; 0 for a key without a code.
int VirtualKeyOf(int qtKey);

std::int16_t ShiftStateOf(Qt::KeyboardModifiers modifiers);
std::int16_t MouseButtonsOf(Qt::MouseButtons buttons);

// What the controls count as a click: a release of the left button over the widget that took the
// press. Other buttons press and release without clicking.
bool IsClick(const QWidget &widget, const QMouseEvent &release);

} // namespace corvane::ui
