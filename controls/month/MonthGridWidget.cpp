#include "MonthGridWidget.h"

#include "MonthGridAccessible.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Redraw.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace corvane::month
{

namespace
{

GridFonts MakeFonts()
{
    const QFont regular = ui::DesignFont(false);
    const QFont bold = ui::DesignFont(true);
    return {regular, bold, QFontMetricsF(regular), QFontMetricsF(bold)};
}

} // namespace

MonthGridWidget::MonthGridWidget(QWidget *parent, const ui::TwipsScale &scale)
    : QWidget(parent)
    , m_scale(scale)
    , m_fonts(MakeFonts())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    InstallGridAccessibility();
}

const GridPicture &MonthGridWidget::CurrentPicture()
{
    if (m_input)
        m_input->GridAboutToPaint(QRegion());
    return m_picture;
}

void MonthGridWidget::UpdateSelectedCell()
{
    if (m_picture.highlightDay >= 1 && std::size_t(m_picture.highlightDay) <= m_picture.days.size())
        update(CellRect(m_picture.days[std::size_t(m_picture.highlightDay - 1)].position));
}

QRect MonthGridWidget::CellRect(GridPosition position) const
{
    return CellPixelRect(position, m_picture.cell, m_scale);
}

void MonthGridWidget::paintEvent(QPaintEvent *event)
{
    if (m_input)
        m_input->GridAboutToPaint(event->region());
    if (ui::IsRedrawSuspended(this))
        return;
    QPainter painter(this);
    PaintMonthGrid(painter, m_picture, m_scale, m_fonts, event->region());
    if (hasFocus())
        PaintGridFocus(painter, m_picture, m_scale);
}

void MonthGridWidget::showEvent(QShowEvent *)
{
    if (m_input)
        m_input->GridShown();
}

void MonthGridWidget::keyPressEvent(QKeyEvent *event)
{
    if (m_input)
        m_input->GridKeyPress(*event);
    else
        event->ignore();
}

void MonthGridWidget::keyReleaseEvent(QKeyEvent *event)
{
    if (m_input)
        m_input->GridKeyRelease(*event);
    else
        event->ignore();
}

void MonthGridWidget::mousePressEvent(QMouseEvent *event)
{
    if (m_input)
        m_input->GridMousePress(*event, false);
}

void MonthGridWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_input)
        m_input->GridMousePress(*event, true);
}

void MonthGridWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_input)
        m_input->GridMouseRelease(*event);
}

void MonthGridWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (m_input)
        m_input->GridMouseMove(*event);
}

void MonthGridWidget::focusInEvent(QFocusEvent *)
{
    UpdateSelectedCell();
    AnnounceGridFocus(*this);
}

void MonthGridWidget::focusOutEvent(QFocusEvent *)
{
    UpdateSelectedCell();
    if (m_input)
        m_input->GridFocusOut();
}

} // namespace corvane::month
