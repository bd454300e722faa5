#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

class QWidget;

namespace corvane::ui
{

// An OLE colour as hosts pass it: 0x00BBGGRR for a plain colour, 0x80000000 + n for system colour n.
// System colours are resolved through a palette when used (the application's, or the widget's), so
// the controls follow the desktop theme. The mapping of the system colour indexes:
//
//   n   system colour             palette role (group Active unless stated)
//   0   scroll bar                Button
//   1   desktop                   Dark
//   2   active caption            Highlight
//   3   inactive caption          Highlight (Inactive)
//   4   menu                      Window
//   5   window                    Base
//   6   window frame              Shadow
//   7   menu text                 WindowText
//   8   window text               Text
//   9   caption text              HighlightedText
//  10   active border             Window
//  11   inactive border           Window (Inactive)
//  12   application workspace     Dark
//  13   highlight                 Highlight
//  14   highlight text            HighlightedText
//  15   button face               Button
//  16   button shadow             Dark
//  17   grey text                 Text (Disabled)
//  18   button text               ButtonText
//  19   inactive caption text     HighlightedText (Inactive)
//  20   button highlight          Light
//  21   3D dark shadow            Shadow
//  22   3D light                  Midlight
//  23   tool tip text             ToolTipText
//  24   tool tip background       ToolTipBase
//  25   (unused by the system)    Window
//  26   hot-tracked item          Link
//  27   active caption gradient   Highlight
//  28   inactive caption gradient Highlight (Inactive)
//  29   menu highlight            Highlight
//  30   menu bar                  Window
//
// Any other value with a non-zero high byte is not a colour.
using OleColor = std::uint32_t;

inline constexpr OleColor kSystemColorFlag = 0x80000000u;
inline constexpr int kLastSystemColorIndex = 30;

// The system colours the controls name.
inline constexpr OleColor kWindowColor = kSystemColorFlag | 5;
inline constexpr OleColor kWindowFrameColor = kSystemColorFlag | 6;
inline constexpr OleColor kWindowTextColor = kSystemColorFlag | 8;
inline constexpr OleColor kCaptionTextColor = kSystemColorFlag | 9;
inline constexpr OleColor kHighlightTextColor = kSystemColorFlag | 14;
inline constexpr OleColor kButtonFaceColor = kSystemColorFlag | 15;
inline constexpr OleColor kButtonShadowColor = kSystemColorFlag | 16;
inline constexpr OleColor kGreyTextColor = kSystemColorFlag | 17;
inline constexpr OleColor kButtonTextColor = kSystemColorFlag | 18;

constexpr bool IsSystemColor(OleColor value)
{
    return (value & 0xFF000000u) == kSystemColorFlag;
}
constexpr bool IsValidOleColor(OleColor value)
{
    return (value & 0xFF000000u) == 0 || (IsSystemColor(value) && (value & 0x00FFFFFFu) <= kLastSystemColorIndex);
}
constexpr OleColor OleRgb(int red, int green, int blue)
{
    return OleColor(red & 0xFF) | OleColor(green & 0xFF) << 8 | OleColor(blue & 0xFF) << 16;
}

// Error 380 (invalid property value) for a value that is no colour.
void CheckOleColor(OleColor value);

struct PaletteSlot {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};
// The palette slot of system colour index [0, 30] (the table above).
PaletteSlot SystemColorSlot(int index);

// The colour a value stands for, resolved through `palette`; error 380 for a value that is no colour.
QColor ResolveOleColor(OleColor value, const QPalette &palette);

// Gives one colour role of a widget's palette a new colour; nothing happens (no repaint) when the
// widget already has it.
void SetPaletteColor(QWidget &widget, QPalette::ColorRole role, const QColor &color);

} // namespace corvane::ui
