#pragma once

#include <QWidget>

namespace corvane::ui
{

class ControlBase;

// The widget of a control: the surface a host places in its window. It carries the control's fixed
// size, passes the focus on to the control's focus target and hands its own mouse and key input to
// the control, which raises the surface events. The parts of a control are its children; their
// input stays with them (a part that ignores a mouse event does not pass it on to the surface).
class ControlSurface final : public QWidget
{
public:
    ControlSurface(ControlBase &owner, QWidget *parent);
    ~ControlSurface() override;

    // Cuts the link to the control (its destruction has begun); later input raises nothing.
    void Detach() noexcept { m_owner = nullptr; }
    ControlBase *Owner() const noexcept { return m_owner; }

    // Input handlers under way (see ControlBase::InputScope).
    int InputDepth() const noexcept { return m_inputDepth; }

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    friend class ControlBase;
    bool FromPart(const QMouseEvent &event) const;
    ControlBase *m_owner;
    int m_inputDepth = 0;
    bool m_doublePressed = false; // the press under way is the second of a double click
};

} // namespace corvane::ui
