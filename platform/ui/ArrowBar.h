#pragma once

#include <QScrollBar>
#include <QWheelEvent>

namespace corvane::ui
{

// A vertical scroll bar used as an arrow button: its container clips it so that one arrow shows. It
// reacts to presses of that arrow only: the wheel goes on to the host and there is no scrolling menu.
class ArrowBar final : public QScrollBar
{
public:
    ArrowBar(int minimum, int maximum, int value, QWidget *parent)
        : QScrollBar(Qt::Vertical, parent)
    {
        setRange(minimum, maximum);
        setSingleStep(1);
        setPageStep(1);
        setValue(value);
        setContextMenuPolicy(Qt::NoContextMenu);
    }

protected:
    void wheelEvent(QWheelEvent *event) override { event->ignore(); }
};

} // namespace corvane::ui
