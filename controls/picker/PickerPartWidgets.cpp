#include "PickerPartWidgets.h"

#include "ModMonthVw.h"
#include "PickerKeys.h"
#include "platform/ui/Fonts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace corvane::picker
{

PickerBox::PickerBox(QWidget *parent)
    : QFrame(parent)
{
}

void PickerBox::SetBackColor(ui::OleColor back)
{
    if (back != m_back) {
        m_back = back;
        update();
    }
}

void PickerBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), ui::ResolveOleColor(m_back, palette()));
    if (frameShape() == QFrame::Box && frameShadow() == QFrame::Plain) {
        // The single line, as four fills: the style's rectangle outline costs a stroke.
        const QColor line = ui::ResolveOleColor(ui::kWindowFrameColor, palette());
        const QRect r = rect();
        const int w = lineWidth();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), w), line);
        painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), line);
        painter.fillRect(QRect(r.left(), r.top() + w, w, r.height() - 2 * w), line);
        painter.fillRect(QRect(r.right() - w + 1, r.top() + w, w, r.height() - 2 * w), line);
    } else {
        drawFrame(&painter);
    }
    m_caption.Paint(painter);
    PaintFocusFrame(painter); // last: it leaves the painter inverting
    (void)event;
}

// While the focus is on the drop button, a dotted frame round the caption shows it; the frame inverts
// what lies under it, so it shows on any colours.
void PickerBox::PaintFocusFrame(QPainter &painter) const
{
    const QWidget *focus = QApplication::focusWidget();
    if (!focus || focus == this || !isAncestorOf(focus))
        return;
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(m_caption.Geometry().adjusted(-1, -1, 0, 0));
}

void PickerBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void PickerBox::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void PickerBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void PickerBox::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void CaptionLabel::SetText(const QString &text)
{
    if (text != m_text) {
        m_text = text;
        m_box.update(m_rect);
    }
}

void CaptionLabel::SetForeColor(ui::OleColor fore)
{
    if (fore != m_fore) {
        m_fore = fore;
        m_box.update(m_rect);
    }
}

void CaptionLabel::SetGeometry(const QRect &rect)
{
    if (rect != m_rect) {
        m_box.update(m_rect);
        m_rect = rect;
        m_box.update(m_rect);
    }
}

// A label's painting of a plain one-line text, with the pen in ForeColor instead of a palette role,
// in the caption's own font: the control's Font, which its surface may inherit, does not reach it.
void CaptionLabel::Paint(QPainter &painter) const
{
    if (m_rect.isEmpty() || m_text.isEmpty())
        return;
    painter.save();
    painter.setClipRect(m_rect, Qt::IntersectClip);
    QFont font = ui::DesignFont();
    font.setResolveMask(QFont::AllPropertiesResolved); // nothing of the box's inherited font
    painter.setFont(font);
    painter.setPen(ui::ResolveOleColor(m_fore, m_box.palette()));
    m_box.style()->drawItemText(&painter,
                                m_rect,
                                int(QStyle::visualAlignment(m_box.layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter)),
                                m_box.palette(),
                                m_box.isEnabled(),
                                m_text,
                                QPalette::NoRole);
    painter.restore();
}

DropButton::DropButton(QWidget *parent)
    : ArrowBar(Qt::Vertical, 0, 32767, 0, ArrowBar::Arrows::Lower, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void DropButton::Press()
{
    if (isEnabled())
        triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

void DropButton::EndPress()
{
    QMouseEvent release(QEvent::MouseButtonRelease,
                        QPointF(),
                        mapToGlobal(QPointF()),
                        Qt::LeftButton,
                        Qt::NoButton,
                        Qt::NoModifier);
    ArrowBar::mouseReleaseEvent(&release);
}

// The bar's own keys (arrows, pages, Home, End) would step it and so open the drop-down: only the
// button's keys act; the rest go on as a widget's do.
void DropButton::keyPressEvent(QKeyEvent *event)
{
    const PickerKey key = ButtonKeyOf(event->key(), event->modifiers());
    if (!isEnabled() || key == PickerKey::None || (key == PickerKey::Close && !ModMonthVw::State().DropShown)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    Press();
}

void DropButton::focusInEvent(QFocusEvent *event)
{
    if (QWidget *box = parentWidget())
        box->update();
    ArrowBar::focusInEvent(event);
}

void DropButton::focusOutEvent(QFocusEvent *event)
{
    if (QWidget *box = parentWidget())
        box->update();
    ArrowBar::focusOutEvent(event);
}

} // namespace corvane::picker
