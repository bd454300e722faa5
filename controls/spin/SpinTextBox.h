#pragma once

#include <QLineEdit>

namespace corvane::spin
{

// TxtDate: a one-line text box that is read-only for typing while its caret and selection work as
// in any text box - the caret chooses the field a spin step changes. Keys that move the caret,
// select or copy reach the box; every other key goes on to its parent untouched, and nothing that
// edits (typing, input methods, pasting by key, menu, middle button or drop) reaches the text.
//
// The border is drawn here, in the look of the appearance: Flat a single line in the window frame
// colour, 3D the sunken two-pixel border of a Windows text box.
class SpinTextBox final : public QLineEdit
{
public:
    explicit SpinTextBox(QWidget *parent);

    void SetThreeD(bool threeD);
    bool ThreeD() const noexcept { return m_threeD; }
    // The border width on each side, in pixels.
    int BorderWidth() const noexcept { return m_threeD ? 2 : 1; }

    // Whether the key only moves the caret, selects or copies.
    static bool IsReadingKey(const QKeyEvent &event);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_threeD = false;
};

} // namespace corvane::spin
