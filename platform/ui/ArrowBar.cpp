#include "ArrowBar.h"

#include "OleColor.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include <unordered_map>

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
        return part == ShownArrow(*bar) ? bar->VisibleRect() : QRect();
    }

    // The arrows take the button text colour (grey while disabled) resolved at paint time, so they
    // follow palette changes and no bar carries a palette of its own. A bar of one arrow draws its
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
        bar.palette = ArrowPalette(slider->palette);
        if (arrowBar->Shown() != ArrowBar::Arrows::Styled)
            bar.subControls &= SC_ScrollBarGroove | ShownArrow(*arrowBar);
        QProxyStyle::drawComplexControl(control, &bar, painter, widget);
    }

private:
    static SubControl ShownArrow(const ArrowBar &bar)
    {
        return bar.Shown() == ArrowBar::Arrows::Lower ? SC_ScrollBarAddLine : SC_ScrollBarSubLine;
    }

    // The arrow colours made from a bar's palette. The same palette always gives the same copy: the
    // style caches what it draws by palette, and a new copy each time would fill that cache.
    QPalette ArrowPalette(const QPalette &from) const
    {
        auto found = m_arrowPalettes.find(from.cacheKey());
        if (found == m_arrowPalettes.end()) {
            if (m_arrowPalettes.size() >= 16) // palettes come and go; the ones in use are few
                m_arrowPalettes.clear();
            QPalette arrows = from;
            const QColor text = ResolveOleColor(kButtonTextColor, from);
            const QColor grey = ResolveOleColor(kGreyTextColor, from);
            for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
                arrows.setColor(QPalette::Active, role, text);
                arrows.setColor(QPalette::Inactive, role, text);
                arrows.setColor(QPalette::Disabled, role, grey);
            }
            found = m_arrowPalettes.emplace(from.cacheKey(), arrows).first;
        }
        QPalette arrows = found->second;
        arrows.setCurrentColorGroup(from.currentColorGroup());
        return arrows;
    }

    mutable std::unordered_map<qint64, QPalette> m_arrowPalettes;
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
    const QRect shown =
        m_arrowRect.isValid() ? m_arrowRect : QRect(mapFrom(container, QPoint(0, 0)), container->size());
    const QRect visible = rect() & shown;
    return visible.isEmpty() ? rect() : visible;
}

void ArrowBar::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

} // namespace corvane::ui
