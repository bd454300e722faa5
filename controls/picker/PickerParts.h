#pragma once

#include "PickerLayout.h"
#include "PickerPartWidgets.h"
#include "platform/ui/Twips.h"

class QWidget;

namespace corvane::picker
{

// The parts of the picker. The widgets among them have their design names as object names and belong
// to the control's surface. PicCmb holds LabCmb, which has no window, and PictBtn in its inner area
// (inside its border). PictBtn is the drop button: the design's button frame and the scroll bar
// VScBtn, of which only the lower arrow shows, in one widget.
struct PickerParts {
    PickerBox *PicCmb; // the box: background colour and border; takes the focus on a click, not by Tab
    CaptionLabel *LabCmb; // the caption, painted by PicCmb; never takes input
    DropButton *PictBtn; // 0..32767, small change 1; holds the control's focus
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
