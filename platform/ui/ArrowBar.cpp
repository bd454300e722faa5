#include "ArrowBar.h"

#include "OleColor.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include <optional>

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
        // The other parts are empty, at the corner of the bar drawn: the style's edge of an empty
        // groove falls there, where a clipped bar does not show it.
        return part == ShownArrow(*bar) ? bar->ArrowRect() : QRect(option->rect.topLeft(), QSize());
    }

    // The arrows take the button text colour (grey while disabled) made from the bar's palette as it
    // paints, so they follow palette changes without the bar having a palette set. A bar of one arrow draws its
    // groove (which shows at the arrow's edge) and that arrow, nothing that would not show.
    void drawComplexControl(ComplexControl control,
                            const QStyleOptionComplex *option,
                            QPainter *painter,
                            const QWidget *widget) const override
    {
        const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
        const auto *arrowBar = dynamic_cast<const ArrowBar *>(widget);
        if (control != CC_ScrollBar || !slider || !arrowBar)
            return QProxyStyle::drawComplexControl(control, option, painter, widget);
        QStyleOptionSlider bar = *slider;
        bar.palette = arrowBar->ArrowPalette(slider->palette);
        if (arrowBar->WholeBar().isValid())
            bar.rect = arrowBar->WholeBar();
        if (arrowBar->Shown() != ArrowBar::Arrows::Styled)
            bar.subControls &= SC_ScrollBarGroove | ShownArrow(*arrowBar);
        QProxyStyle::drawComplexControl(control, &bar, painter, widget);
    }

private:
    static SubControl ShownArrow(const ArrowBar &bar)
    {
        return bar.Shown() == ArrowBar::Arrows::Lower ? SC_ScrollBarAddLine : SC_ScrollBarSubLine;
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

QRect ArrowBar::ArrowRect() const
{
    if (m_arrowRect.isValid())
        return m_arrowRect;
    const QWidget *container = parentWidget();
    if (!container)
        return rect();
    const QRect visible = rect() & QRect(mapFrom(container, QPoint(0, 0)), container->size());
    return visible.isEmpty() ? rect() : visible;
}

QPalette ArrowBar::ArrowPalette(const QPalette &from) const
{
    if (from.cacheKey() != m_arrowsFrom) {
        // The last palette made, kept for the next bar of the same colours (most bars inherit the
        // application's): bars share it instead of each making its own.
        struct Made {
            QPalette from;
            QPalette arrows;
        };
        static std::optional<Made> last; // bars live on the user-interface thread only
        if (!last || (last->from.cacheKey() != from.cacheKey() && !(last->from == from))) {
            QPalette arrows = from;
            const QColor text = ResolveOleColor(kButtonTextColor, from);
            const QColor grey = ResolveOleColor(kGreyTextColor, from);
            for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
                arrows.setColor(QPalette::Active, role, text);
                arrows.setColor(QPalette::Inactive, role, text);
                arrows.setColor(QPalette::Disabled, role, grey);
            }
            last = Made{from, arrows};
        }
        m_arrows = last->arrows;
        m_arrowsFrom = from.cacheKey();
    }
    QPalette arrows = m_arrows;
    arrows.setCurrentColorGroup(from.currentColorGroup());
    return arrows;
}

void ArrowBar::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

} // namespace corvane::ui
