#include "SpinLayout.h"

namespace corvane::spin
{

namespace
{

using ui::TwipsRect;

// clang-format off
// The text box of each editor and the left edge of its button column.
struct EditorRow {
    TwipsRect text;
    int boxLeft;
    int flatWidth;  // the control, Flat: the button column's right edge
    int threeDWidth; // the control, 3D: 30 twips less, cutting off the column's last two pixels
};
constexpr EditorRow kDateEditor {{0, 0, 1365, 285}, 1350, 1725, 1695};
constexpr EditorRow kTimeEditor {{0, 0, 855,  285}, 840,  1215, 1185};

// The buttons of each appearance: the bars in their containers, and the control's height (3D cuts
// the text box's lower border off).
struct AppearanceRow {
    bool flat;
    TwipsRect upBar;
    TwipsRect downBar;
    int height;
};
constexpr AppearanceRow kFlat   {true,  {-30, -30,  405, 375}, {-30, -240, 405, 375}, 285};
constexpr AppearanceRow kThreeD {false, {0,   0,    345, 315}, {0,   -210, 345, 315}, 255};

constexpr int kBoxWidth = 375;
constexpr int kBoxHeight = 135;
// clang-format on

static_assert(kDateEditor.boxLeft + kBoxWidth == kDateEditor.flatWidth);
static_assert(kTimeEditor.boxLeft + kBoxWidth == kTimeEditor.flatWidth);

} // namespace

SpinGeometry LayoutSpin(SpinKind kind, int appearance)
{
    const EditorRow &editor = kind == SpinKind::Date ? kDateEditor : kTimeEditor;
    const bool threeD = appearance == 1;
    const AppearanceRow &look = threeD ? kThreeD : kFlat;
    const TwipsRect &text = editor.text;
    // The upper container is level with the top of the text box, the lower one with its bottom.
    const TwipsRect upBox{editor.boxLeft, text.top, kBoxWidth, kBoxHeight};
    const TwipsRect downBox{editor.boxLeft, text.top + text.height - kBoxHeight, kBoxWidth, kBoxHeight};
    return {text,
            upBox,
            downBox,
            look.flat,
            look.upBar,
            look.downBar,
            threeD ? editor.threeDWidth : editor.flatWidth,
            look.height};
}

} // namespace corvane::spin
