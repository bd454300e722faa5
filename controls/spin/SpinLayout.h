#pragma once

#include "SpinKind.h"
#include "platform/ui/Twips.h"

namespace corvane::spin
{

// Where the parts of a spin editor go, in twips, for one appearance (Flat 0, 3D 1). Each spin button
// is a whole vertical scroll bar placed in a small container that clips it, so that only one of its
// arrows shows: the top arrow in the upper container, the bottom arrow in the lower one.
struct SpinGeometry {
    ui::TwipsRect text; // TxtDate, on the control
    ui::TwipsRect upBox; // the container of the up button, on the control
    ui::TwipsRect downBox; // the container of the down button, on the control
    bool flat; // Flat: single-line borders on the text box and the containers; 3D: a sunken text box, bare containers
    ui::TwipsRect upBar; // the up button, in its container's inner area
    ui::TwipsRect downBar; // the down button, in its container's inner area
    int width; // PictBack, and so the control
    int height;
};

SpinGeometry LayoutSpin(SpinKind kind, int appearance);

} // namespace corvane::spin
