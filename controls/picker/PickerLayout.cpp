#include "PickerLayout.h"

#include <cmath>

namespace corvane::picker
{

namespace
{

// PicCmb's height for each look.
int BoxHeight(int appearance, int borderStyle)
{
    if (appearance == 1)
        return borderStyle == 1 ? 300 : 265;
    return borderStyle == 1 ? 285 : 270;
}

} // namespace

int BorderAllowance(int appearance, int borderStyle, double twipsPerPixelX)
{
    double z = appearance != 0 && borderStyle != 0 ? -twipsPerPixelX : 0.0;
    z += borderStyle != 0 ? -2.0 : 0.0;
    return int(std::nearbyint(z)); // the default rounding mode: to nearest, ties to even
}

PickerGeometry LayoutPicker(int appearance, int borderStyle, double twipsPerPixelX)
{
    PickerGeometry g{};
    g.borderAllowance = BorderAllowance(appearance, borderStyle, twipsPerPixelX);
    const int width = kDropWidth - 2 * g.borderAllowance;
    g.PicCmb = {0, 0, width, BoxHeight(appearance, borderStyle)};
    g.LabCmbLeft = 30;
    g.LabCmbTop = 30;
    g.LabCmbWidth = width - 420 > 0 ? width - 420 : 0;
    const bool flatButton = borderStyle == 0 || appearance == 0;
    if (flatButton) {
        g.PictBtn = {width - 250 > 0 ? width - 250 : 0, 35, 180, 180};
        g.VScBtn = {-25, -280, 255, 495};
    } else {
        g.PictBtn = {width - 310 > 0 ? width - 310 : 0, 5, 265, 235};
        g.VScBtn = {-5, -250, 255, 495};
    }
    return g;
}

} // namespace corvane::picker
