#pragma once

#include "PickerLayout.h"
#include "PickerPartWidgets.h"
#include "platform/ui/ArrowBar.h"
#include "platform/ui/Twips.h"

class QWidget;

namespace corvane::picker
{

// The parts of the picker. The widgets among them have their design names as object names and belong
// to the control's surface. PicCmb holds LabCmb, which has no window, and PictBtn in its inner area
// (inside its border); PictBtn clips VScBtn so that only the bar's lower arrow shows: that arrow is the
// drop button.
struct PickerParts {
    PickerBox *PicCmb; // the box: background colour and border; takes the focus on a click, not by Tab
    CaptionLabel *LabCmb; // the caption, painted by PicCmb; never takes input
    DropButtonFrame *PictBtn; // the drop button's frame; holds the control's focus
    ui::ArrowBar *VScBtn; // 0..32767, small change 1, never a tab stop
};

PickerParts BuildPickerParts(QWidget &surface);

// Places the parts for a geometry and gives PicCmb the border of the look: a single line for Flat,
// a sunken 3D edge for 3D, nothing without a border.
void ApplyPickerLayout(PickerParts &parts,
                       const PickerGeometry &geometry,
                       int appearance,
                       int borderStyle,
                       const ui::TwipsScale &scale);

} // namespace corvane::picker
