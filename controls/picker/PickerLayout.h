#pragma once

#include "platform/ui/Twips.h"

namespace corvane::picker
{

// The drop-down month view is this wide; the box is as wide plus its border on both sides.
inline constexpr int kDropWidth = 4365;

// Where the parts of the picker go, in twips, for one look. PicCmb is the control's size; LabCmb and
// PictBtn lie in PicCmb's inner area (inside its border), VScBtn in PictBtn.
struct PickerGeometry {
    int borderAllowance; // Z: 0 or negative
    ui::TwipsRect PicCmb;
    int LabCmbLeft;
    int LabCmbTop;
    int LabCmbWidth;
    ui::TwipsRect PictBtn;
    ui::TwipsRect VScBtn;
};

// Z for the look at `twipsPerPixelX` screen twips per pixel: -T for 3D with a border, -2 more for any
// border, rounded to the nearest integer, ties to even.
int BorderAllowance(int appearance, int borderStyle, double twipsPerPixelX);

// The layout of a look (appearance: Flat 0, 3D 1; border style: None 0, Fixed Single 1). The host
// cannot give the control another size.
PickerGeometry LayoutPicker(int appearance, int borderStyle, double twipsPerPixelX);

} // namespace corvane::picker
