#include "PickerPartWidgets.h"

#include "PickerKeys.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
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
    PaintFocusFrame(painter);
    (void)event;
}

// While the focus is on the drop button, a dotted frame round the caption shows it; the frame inverts
// what lies under it, so it shows on any colours.
void PickerBox::PaintFocusFrame(QPainter &painter) const
{
    const QWidget *focus = QApplication::focusWidget();
    const auto *caption = findChild<CaptionLabel *>(QString(), Qt::FindDirectChildrenOnly);
    if (!focus || focus == this || !isAncestorOf(focus) || !caption)
        return;
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(QRect(caption->mapTo(this, QPoint(0, 0)), caption->size()).adjusted(-1, -1, 0, 0));
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

CaptionLabel::CaptionLabel(QWidget *parent)
    : QWidget(parent)
{
}

void CaptionLabel::SetText(const QString &text)
{
    if (text != m_text) {
        m_text = text;
        update();
    }
}

void CaptionLabel::SetForeColor(ui::OleColor fore)
{
    if (fore != m_fore) {
        m_fore = fore;
        update();
    }
}

// A label's painting of a plain one-line text, with the pen in ForeColor instead of a palette role.
void CaptionLabel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(ui::ResolveOleColor(m_fore, palette()));
    style()->drawItemText(&painter,
                          rect(),
                          int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter)),
                          palette(),
                          isEnabled(),
                          m_text,
                          QPalette::NoRole);
    (void)event;
}

DropButtonFrame::DropButtonFrame(QWidget *parent)
    : QWidget(parent)
{
}

void DropButtonFrame::keyPressEvent(QKeyEvent *event)
{
    auto *arrow = findChild<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly);
    const PickerKey key = ButtonKeyOf(event->key(), event->modifiers());
    if (!arrow || !arrow->isEnabled() || key == PickerKey::None
        || (key == PickerKey::Close && !(m_dropShown && m_dropShown()))) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    arrow->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

void DropButtonFrame::focusInEvent(QFocusEvent *event)
{
    if (QWidget *box = parentWidget())
        box->update();
    QWidget::focusInEvent(event);
}

void DropButtonFrame::focusOutEvent(QFocusEvent *event)
{
    if (QWidget *box = parentWidget())
        box->update();
    QWidget::focusOutEvent(event);
}

} // namespace corvane::picker
