#pragma once

#include "SpinKind.h"
#include "SpinLayout.h"
#include "platform/ui/OleColor.h"
#include "platform/ui/Twips.h"

#include <array>

class QFrame;
class QPalette;
class QScrollBar;
class QWidget;

namespace corvane::spin
{

class SpinTextBox;

// The child parts of a spin editor, each with its design name as object name. They belong to the
// control's surface.
//
//   date editor: TxtDate, PictUp and PictDown (the containers), VScrollUpDown (the bars), PictBack
//   time editor: TxtDate, PicUD index 0 and 1 (the containers), VScTimeUpDown (the bars), PictBack
//
// Arrays are widgets of one name with the property "Index".
struct SpinParts {
    QWidget *PictBack; // the background panel, the control's size; input passes through it
    SpinTextBox *TxtDate;
    std::array<QFrame *, 2> boxes; // [0] the upper container (up button), [1] the lower one
    std::array<QWidget *, 2> clips; // the inner areas of the containers, which clip the bars
    std::array<QScrollBar *, 2> bars; // by button index (SpinButtons.h): [0] down, [1] up
};

// Builds the parts inside `surface`, the bars at rest; the layout places them (ApplySpinLayout).
SpinParts BuildSpinParts(QWidget &surface, SpinKind kind);

// Places every part for the geometry of an appearance and gives the text box its border.
void ApplySpinLayout(SpinParts &parts, const SpinGeometry &geometry, const ui::TwipsScale &scale);

// Colours the text box (BackColor, ForeColor), the fixed parts and the arrows, system colours resolved
// through `palette`. Error 380 for a value that is no colour, before anything changes.
void ApplySpinColors(SpinParts &parts, ui::OleColor back, ui::OleColor fore, const QPalette &palette);

} // namespace corvane::spin
