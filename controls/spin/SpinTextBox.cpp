#include "SpinTextBox.h"

#include "platform/ui/OleColor.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <qdrawutil.h>

namespace corvane::spin
{

namespace
{

constexpr QKeySequence::StandardKey kReadingKeys[] = {
    QKeySequence::MoveToNextChar,
    QKeySequence::MoveToPreviousChar,
    QKeySequence::MoveToNextWord,
    QKeySequence::MoveToPreviousWord,
    QKeySequence::MoveToStartOfLine,
    QKeySequence::MoveToEndOfLine,
    QKeySequence::MoveToStartOfBlock,
    QKeySequence::MoveToEndOfBlock,
    QKeySequence::MoveToStartOfDocument,
    QKeySequence::MoveToEndOfDocument,
    QKeySequence::SelectNextChar,
    QKeySequence::SelectPreviousChar,
    QKeySequence::SelectNextWord,
    QKeySequence::SelectPreviousWord,
    QKeySequence::SelectStartOfLine,
    QKeySequence::SelectEndOfLine,
    QKeySequence::SelectStartOfBlock,
    QKeySequence::SelectEndOfBlock,
    QKeySequence::SelectStartOfDocument,
    QKeySequence::SelectEndOfDocument,
    QKeySequence::SelectAll,
    QKeySequence::Deselect,
    QKeySequence::Copy,
};

} // namespace

SpinTextBox::SpinTextBox(QWidget *parent)
    : QLineEdit(parent)
{
    setFrame(false);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    SetThreeD(false);
}

void SpinTextBox::SetThreeD(bool threeD)
{
    m_threeD = threeD;
    const int border = BorderWidth();
    setTextMargins(border, border, border, border);
    update();
}

bool SpinTextBox::IsReadingKey(const QKeyEvent &event)
{
    for (const QKeySequence::StandardKey key : kReadingKeys)
        if (event.matches(key))
            return true;
    return false;
}

// The text box claims only the shortcuts it acts on; the rest stay with the host's window.
bool SpinTextBox::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && !IsReadingKey(*static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return false;
    }
    return QLineEdit::event(event);
}

void SpinTextBox::keyPressEvent(QKeyEvent *event)
{
    if (IsReadingKey(*event))
        QLineEdit::keyPressEvent(event);
    else
        event->ignore();
}

void SpinTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    event->ignore();
}

// On X11 the middle button pastes the selection; here it does nothing.
void SpinTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void SpinTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("复制(&C)"), this, &QLineEdit::copy)->setEnabled(hasSelectedText());
    menu.addSeparator();
    menu.addAction(QStringLiteral("全选(&A)"), this, &QLineEdit::selectAll)->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

void SpinTextBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    if (m_threeD)
        qDrawWinPanel(&painter, rect(), palette(), true);
    else
        qDrawPlainRect(&painter, rect(), ui::ResolveOleColor(ui::kWindowFrameColor, palette()), 1);
}

} // namespace corvane::spin
