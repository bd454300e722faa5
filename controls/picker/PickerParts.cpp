#include "PickerParts.h"

#include "PickerAccessible.h"

#include <QFrame>

namespace corvane::picker
{

namespace
{

constexpr int kCaptionHeight = 180; // one line of the design font

QString Name(const char *name)
{
    return QString::fromUtf8(name);
}

} // namespace

PickerParts BuildPickerParts(QWidget &surface)
{
    MakePartsAccessible();
    PickerParts p{};
    p.PicCmb = new PickerBox(&surface);
    p.PicCmb->setObjectName(Name("PicCmb"));
    // A click gives it the focus, which it passes on to PictBtn; the keyboard goes to PictBtn
    // directly, so Shift+Tab can leave the control.
    p.PicCmb->setFocusPolicy(Qt::ClickFocus);

    p.LabCmb = &p.PicCmb->Caption();
    p.LabCmb->SetText(Name("QxMonthVw"));

    p.PictBtn = new DropButton(p.PicCmb);
    p.PictBtn->setObjectName(Name("PictBtn"));
    return p;
}

void ApplyPickerLayout(PickerParts &parts,
                       const PickerGeometry &geometry,
                       int appearance,
                       int borderStyle,
                       const ui::TwipsScale &scale)
{
    QFrame &box = *parts.PicCmb;
    if (borderStyle == 0) {
        box.setFrameStyle(QFrame::NoFrame);
    } else if (appearance == 0) {
        box.setFrameStyle(QFrame::Box | QFrame::Plain);
        box.setLineWidth(1);
    } else {
        box.setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    }
    box.setGeometry(scale.ToPixels(geometry.PicCmb));
    // The caption and the button are placed in the box's inner area (inside its border), which clips
    // them: the 3D button reaches one pixel into the border. The drop arrow keeps the button's whole
    // design rectangle, so the clipped column hides the edge of the arrow as the border would; the
    // button is drawn as the bar of its design rectangle (taller than the button and shifted upward).
    const QRect inner = box.contentsRect();
    const auto place = [&inner](const QRect &rect) { return rect.translated(inner.topLeft()) & inner; };
    parts.LabCmb->SetGeometry(
        place(scale.ToPixels({geometry.LabCmbLeft, geometry.LabCmbTop, geometry.LabCmbWidth, kCaptionHeight})));
    const QRect button = scale.ToPixels(geometry.PictBtn).translated(inner.topLeft());
    const QRect shown = button & inner;
    parts.PictBtn->setGeometry(shown);
    const QPoint origin = button.topLeft() - shown.topLeft(); // the design button's corner
    parts.PictBtn->SetWholeBar(scale.ToPixels(geometry.VScBtn).translated(origin), QRect(origin, button.size()));
}

} // namespace corvane::picker
