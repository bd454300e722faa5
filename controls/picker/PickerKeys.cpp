#include "PickerKeys.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>

namespace corvane::picker
{

namespace
{

// A key of the keypad counts as the same key.
Qt::KeyboardModifiers Plain(Qt::KeyboardModifiers modifiers)
{
    return modifiers & ~Qt::KeypadModifier;
}

class DropButtonWatcher final : public QObject
{
public:
    DropButtonWatcher(QWidget &pictBtn, QScrollBar &dropButton, QFrame &box, bool (*dropShown)())
        : QObject(&pictBtn)
        , m_button(&dropButton)
        , m_box(&box)
        , m_dropShown(dropShown)
    {
        pictBtn.installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            if (m_box)
                m_box->update();
            return false;
        case QEvent::KeyPress:
            return Key(*static_cast<QKeyEvent *>(event));
        default:
            return false;
        }
    }

private:
    bool Key(QKeyEvent &event)
    {
        const PickerKey key = ButtonKeyOf(event.key(), event.modifiers());
        if (!m_button || !m_button->isEnabled() || key == PickerKey::None
            || (key == PickerKey::Close && !m_dropShown()))
            return false;
        m_button->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        event.accept();
        return true;
    }

    QPointer<QScrollBar> m_button;
    QPointer<QFrame> m_box;
    bool (*m_dropShown)();
};

} // namespace

PickerKey ButtonKeyOf(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers plain = Plain(modifiers);
    if ((key == Qt::Key_F4 && plain == Qt::NoModifier) || (key == Qt::Key_Down && plain == Qt::AltModifier))
        return PickerKey::Toggle;
    if (key == Qt::Key_Escape && plain == Qt::NoModifier)
        return PickerKey::Close;
    return PickerKey::None;
}

PickerKey DropDownKeyOf(int key, Qt::KeyboardModifiers modifiers)
{
    if (Plain(modifiers) != Qt::NoModifier)
        return PickerKey::None;
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_F4:
        return PickerKey::Close;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PickerKey::Pick;
    default:
        return PickerKey::None;
    }
}

void WatchDropButton(QWidget &pictBtn, QScrollBar &dropButton, QFrame &box, bool (*dropShown)())
{
    new DropButtonWatcher(pictBtn, dropButton, box, dropShown);
}

} // namespace corvane::picker
