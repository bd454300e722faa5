#include "ArrowBar.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QWheelEvent>

namespace corvane::ui
{

namespace
{

// The application's style, except that a bar of one arrow has nothing but that arrow, covering the
// part of the bar that shows. Drawing and hit testing both go through the sub-control rectangles,
// so the two agree.
class ArrowBarStyle final : public QProxyStyle
{
public:
    QRect subControlRect(ComplexControl control,
                         const QStyleOptionComplex *option,
                         SubControl part,
                         const QWidget *widget) const override
    {
        const auto *bar = dynamic_cast<const ArrowBar *>(widget);
        if (control != CC_ScrollBar || !bar || bar->Shown() == ArrowBar::Arrows::Styled)
            return QProxyStyle::subControlRect(control, option, part, widget);
        const SubControl arrow = bar->Shown() == ArrowBar::Arrows::Lower ? SC_ScrollBarAddLine : SC_ScrollBarSubLine;
        return part == arrow ? bar->VisibleRect() : QRect();
    }
};

// One for all arrow bars of the user-interface thread, gone with the application object.
QStyle *ArrowStyle()
{
    static QPointer<ArrowBarStyle> style;
    if (!style) {
        style = new ArrowBarStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

ArrowBar::ArrowBar(Qt::Orientation orientation, int minimum, int maximum, int value, Arrows shown, QWidget *parent)
    : QScrollBar(orientation, parent)
    , m_shown(shown)
{
    setStyle(ArrowStyle());
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(1);
    setValue(value);
    setContextMenuPolicy(Qt::NoContextMenu);
}

QRect ArrowBar::VisibleRect() const
{
    const QWidget *container = parentWidget();
    if (!container)
        return rect();
    const QRect visible = rect() & QRect(mapFrom(container, QPoint(0, 0)), container->size());
    return visible.isEmpty() ? rect() : visible;
}

void ArrowBar::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

void ColorArrows(QScrollBar &bar, const QPalette &palette)
{
    QPalette arrows = bar.palette();
    const QColor text = ResolveOleColor(kButtonTextColor, palette);
    const QColor grey = ResolveOleColor(kGreyTextColor, palette);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
        arrows.setColor(QPalette::Active, role, text);
        arrows.setColor(QPalette::Inactive, role, text);
        arrows.setColor(QPalette::Disabled, role, grey);
    }
    if (arrows != bar.palette())
        bar.setPalette(arrows);
}

} // namespace corvane::ui
