#include "PickerParts.h"

#include "PickerAccessible.h"
#include "platform/ui/ArrowBar.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/OleColor.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace corvane::picker
{

namespace
{

constexpr int kCaptionHeight = 180; // one line of the design font

// The box keeps the mouse input that reaches it: the parts pass none on to the control's surface.
class PickerBox final : public QFrame
{
public:
    explicit PickerBox(QWidget *parent)
        : QFrame(parent)
    {
    }

protected:
    // While the focus is on the drop button, a dotted frame round the caption shows it; the frame
    // inverts what lies under it, so it shows on any colours.
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        const QWidget *focus = QApplication::focusWidget();
        const auto *caption = findChild<QLabel *>(QStringLiteral("LabCmb"));
        if (!focus || focus == this || !isAncestorOf(focus) || !caption)
            return;
        QPainter painter(this);
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(QRect(caption->mapTo(this, QPoint(0, 0)), caption->size()).adjusted(-1, -1, 0, 0));
    }
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }
    void mouseMoveEvent(QMouseEvent *event) override { event->accept(); }
};

QString Name(const char *name)
{
    return QString::fromUtf8(name);
}

} // namespace

PickerParts BuildPickerParts(QWidget &surface)
{
    PickerParts p{};
    p.PicCmb = new PickerBox(&surface);
    p.PicCmb->setObjectName(Name("PicCmb"));
    p.PicCmb->setAutoFillBackground(true);
    // A click gives it the focus, which it passes on to PictBtn; the keyboard goes to PictBtn
    // directly, so Shift+Tab can leave the control.
    p.PicCmb->setFocusPolicy(Qt::ClickFocus);
    p.inner = new QWidget(p.PicCmb);

    p.LabCmb = new QLabel(p.inner);
    p.LabCmb->setObjectName(Name("LabCmb"));
    p.LabCmb->setFont(ui::DesignFont());
    p.LabCmb->setAttribute(Qt::WA_TransparentForMouseEvents);
    p.LabCmb->setText(Name("QxMonthVw"));

    p.PictBtn = new QWidget(p.inner);
    p.PictBtn->setObjectName(Name("PictBtn"));
    p.PictBtn->setAutoFillBackground(true);
    p.PictBtn->setFocusPolicy(Qt::StrongFocus);
    p.VScBtn = new ui::ArrowBar(Qt::Vertical, 0, 32767, 0, ui::ArrowBar::Arrows::Lower, p.PictBtn);
    p.VScBtn->setObjectName(Name("VScBtn"));
    // A press on the arrow gives the focus to PictBtn.
    p.VScBtn->setFocusPolicy(Qt::NoFocus);
    MakePartsAccessible(p);
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
    parts.inner->setGeometry(box.contentsRect());
    parts.LabCmb->setGeometry(
        scale.ToPixels({geometry.LabCmbLeft, geometry.LabCmbTop, geometry.LabCmbWidth, kCaptionHeight}));
    parts.PictBtn->setGeometry(scale.ToPixels(geometry.PictBtn));
    parts.VScBtn->setGeometry(scale.ToPixels(geometry.VScBtn));
}

void ApplyPickerColors(PickerParts &parts, ui::OleColor back, ui::OleColor fore, const QPalette &palette)
{
    ui::SetPaletteColor(*parts.PicCmb, QPalette::Window, ui::ResolveOleColor(back, palette));
    ui::SetPaletteColor(*parts.PicCmb, QPalette::WindowText, ui::ResolveOleColor(ui::kWindowFrameColor, palette));
    ui::SetPaletteColor(*parts.LabCmb, QPalette::WindowText, ui::ResolveOleColor(fore, palette));
    ui::SetPaletteColor(*parts.PictBtn, QPalette::Window, ui::ResolveOleColor(ui::kButtonFaceColor, palette));
    // The bar would take PicCmb's border colour for its arrow.
    ui::ColorArrows(*parts.VScBtn, palette);
}

} // namespace corvane::picker
