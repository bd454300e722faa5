#pragma once

#include "PickerLayout.h"
#include "platform/ui/OleColor.h"
#include "platform/ui/Twips.h"

class QFrame;
class QLabel;
class QPalette;
class QScrollBar;
class QWidget;

namespace corvane::picker
{

// The child parts of the picker, each with its design name as object name. They belong to the
// control's surface. PicCmb's inner area (inside its border) holds LabCmb and PictBtn; PictBtn clips
// VScBtn so that only the bar's lower arrow shows: that arrow is the drop button.
struct PickerParts {
    QFrame *PicCmb; // the box: background colour and border; takes the focus on a click, not by Tab
    QWidget *inner; // PicCmb's inner area
    QLabel *LabCmb; // the caption, transparent, never takes input
    QWidget *PictBtn; // the drop button's frame; holds the control's focus
    QScrollBar *VScBtn; // 0..32767, small change 1, never a tab stop
};

PickerParts BuildPickerParts(QWidget &surface);

// Places the parts for a geometry and gives PicCmb the border of the look: a single line for Flat,
// a sunken 3D edge for 3D, nothing without a border.
void ApplyPickerLayout(PickerParts &parts,
                       const PickerGeometry &geometry,
                       int appearance,
                       int borderStyle,
                       const ui::TwipsScale &scale);

// Colours the box (BackColor), the caption (ForeColor) and the drop arrow, system colours resolved
// through `palette`.
void ApplyPickerColors(PickerParts &parts, ui::OleColor back, ui::OleColor fore, const QPalette &palette);

} // namespace corvane::picker
