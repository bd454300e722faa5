#pragma once

#include <QPalette>
#include <QScrollBar>
#include <QString>

class QWheelEvent;

namespace corvane::ui
{

// A scroll bar used as arrow buttons: its container clips it, or other parts cover it, so that only
// arrows show. It reacts to presses of those arrows only: the wheel goes on to the host and there is
// no scrolling menu.
//
// Styled, the bar has the style's arrows at its ends and the layout makes sure that only they show.
// Lower or Upper, the bar is that one arrow all over: whatever size the style gives its arrows, the
// part of the bar its container shows is drawn as the arrow button, and a press anywhere on it presses
// the arrow.
//
// Its arrows are drawn in the button text colour, grey while the bar is disabled (a bar otherwise
// draws them in the text colour of its container).
class ArrowBar : public QScrollBar
{
public:
    enum class Arrows {
        Styled,
        Lower, // the down (or right) arrow: a press adds a step
        Upper, // the up (or left) arrow: a press takes a step away
    };

    ArrowBar(Qt::Orientation orientation, int minimum, int maximum, int value, Arrows shown, QWidget *parent);

    Arrows Shown() const noexcept { return m_shown; }
    // Where a bar of one arrow draws its arrow, in the bar's coordinates: the part of the bar its
    // container shows, unless set.
    QRect ArrowRect() const;
    // For a bar that shows only in part, as a clipped piece of a larger bar: that bar as a whole and
    // its arrow, in this bar's coordinates. Both may reach past its edges (what lies outside does not
    // show); the bar is drawn as that whole bar.
    void SetWholeBar(const QRect &bar, const QRect &arrow)
    {
        m_wholeBar = bar;
        m_arrowRect = arrow;
    }
    const QRect &WholeBar() const noexcept { return m_wholeBar; }
    // The palette the arrows are drawn with, made from the bar's palette `from`. The bar keeps it
    // while its palette stays the same: the style caches what it draws by palette, and a new copy at
    // each paint would fill that cache.
    QPalette ArrowPalette(const QPalette &from) const;

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    Arrows m_shown;
    QRect m_wholeBar;
    QRect m_arrowRect;
    mutable QPalette m_arrows;
    mutable qint64 m_arrowsFrom = 0;
};

// Names the arrows of a scroll bar used as arrow buttons (ArrowBar) for assistive technology: the
// arrow that takes a step away (up or left) and the one that adds a step (down or right). An arrow
// without a name is one its container hides. A bar with one named arrow is that button; a bar with
// two is a group of two buttons, named by the bar's accessible name. Pressing a button through
// assistive technology steps the bar as a click on its arrow does; an arrow at its end of the range
// is shown unavailable.
void NameArrows(QScrollBar &bar, const QString &subLine, const QString &addLine);

} // namespace corvane::ui
