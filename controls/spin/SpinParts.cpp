#include "SpinParts.h"

#include "SpinButtons.h"
#include "SpinTextBox.h"
#include "platform/ui/ArrowBar.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/OleColor.h"

#include <QFrame>

namespace corvane::spin
{

namespace
{

struct Names {
    const char *upperBox;
    const char *lowerBox;
    const char *bars;
};

constexpr Names kDateNames{"PictUp", "PictDown", "VScrollUpDown"};
constexpr Names kTimeNames{"PicUD", "PicUD", "VScTimeUpDown"};

QString Name(const char *name)
{
    return QString::fromUtf8(name);
}

} // namespace

SpinParts BuildSpinParts(QWidget &surface, SpinKind kind)
{
    const Names &names = kind == SpinKind::Date ? kDateNames : kTimeNames;
    SpinParts p{};
    // Created first, so it lies behind everything else.
    p.PictBack = new QWidget(&surface);
    p.PictBack->setObjectName(Name("PictBack"));
    p.PictBack->setAutoFillBackground(true);
    p.PictBack->setAttribute(Qt::WA_TransparentForMouseEvents);

    p.TxtDate = new SpinTextBox(&surface);
    p.TxtDate->setObjectName(Name("TxtDate"));
    p.TxtDate->setFont(ui::DesignFont());
    p.TxtDate->setAccessibleName(kind == SpinKind::Date ? QStringLiteral("日期") : QStringLiteral("时间"));
    p.TxtDate->setAlignment((kind == SpinKind::Date ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);

    // The containers lie in front of the text box, whose right edge they overlap by a pixel.
    for (std::size_t i = 0; i < 2; ++i) {
        QFrame *box = new QFrame(&surface);
        box->setObjectName(Name(i == 0 ? names.upperBox : names.lowerBox));
        box->setAutoFillBackground(true);
        if (kind == SpinKind::Time)
            box->setProperty("Index", int(i));
        p.boxes[i] = box;
        p.clips[i] = new QWidget(box);
    }
    for (const int button : {kDownButton, kUpButton}) {
        // The container shows the part of the bar's top (up button) or bottom arrow (down button)
        // that the layout puts into it: all of it lies on the style's arrow.
        auto *bar = new ui::ArrowBar(Qt::Vertical,
                                     kButtonMin,
                                     kButtonMax,
                                     RestValue(button),
                                     ui::ArrowBar::Arrows::Styled,
                                     p.clips[button == kUpButton ? 0 : 1]);
        bar->setObjectName(Name(names.bars));
        bar->setProperty("Index", button);
        // A press gives the focus to the text box, whose caret chooses the field.
        bar->setFocusPolicy(Qt::ClickFocus);
        bar->setFocusProxy(p.TxtDate);
        if (button == kUpButton)
            ui::NameArrows(*bar, QStringLiteral("增加"), QString());
        else
            ui::NameArrows(*bar, QString(), QStringLiteral("减少"));
        p.bars[std::size_t(button)] = bar;
    }
    return p;
}

void ApplySpinLayout(SpinParts &parts, const SpinGeometry &geometry, const ui::TwipsScale &scale)
{
    parts.TxtDate->setGeometry(scale.ToPixels(geometry.text));
    parts.TxtDate->SetThreeD(!geometry.flat);
    const ui::TwipsRect boxes[2] = {geometry.upBox, geometry.downBox};
    for (std::size_t i = 0; i < 2; ++i) {
        QFrame *box = parts.boxes[i];
        box->setGeometry(scale.ToPixels(boxes[i]));
        box->setFrameStyle(geometry.flat ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        box->setLineWidth(1);
        parts.clips[i]->setGeometry(box->contentsRect());
    }
    parts.bars[kUpButton]->setGeometry(scale.ToPixels(geometry.upBar));
    parts.bars[kDownButton]->setGeometry(scale.ToPixels(geometry.downBar));
    parts.PictBack->setGeometry(QRect(QPoint(0, 0), scale.SizeToPixels(geometry.width, geometry.height)));
}

void ApplySpinColors(SpinParts &parts, ui::OleColor back, ui::OleColor fore, const QPalette &palette)
{
    const QColor backColor = ui::ResolveOleColor(back, palette);
    const QColor foreColor = ui::ResolveOleColor(fore, palette);
    ui::SetPaletteColor(*parts.TxtDate, QPalette::Base, backColor);
    ui::SetPaletteColor(*parts.TxtDate, QPalette::Text, foreColor);
    const QColor buttonFace = ui::ResolveOleColor(ui::kButtonFaceColor, palette);
    const QColor frame = ui::ResolveOleColor(ui::kWindowFrameColor, palette);
    ui::SetPaletteColor(*parts.PictBack, QPalette::Window, buttonFace);
    for (QFrame *box : parts.boxes) {
        ui::SetPaletteColor(*box, QPalette::Window, buttonFace);
        ui::SetPaletteColor(*box, QPalette::WindowText, frame); // the single-line border
    }
}

} // namespace corvane::spin
