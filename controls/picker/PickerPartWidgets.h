#pragma once

#include "platform/ui/ArrowBar.h"
#include "platform/ui/OleColor.h"

#include <QFrame>
#include <QRect>
#include <QString>

class QPainter;

namespace corvane::picker
{

// The picker's parts. Each paints its colours itself, resolving system colours through the palette
// of its widget as it paints: no part carries a palette of its own, and a palette change shows at
// the next paint.

// LabCmb: the caption, a label without a window of its own: one line of plain text in ForeColor,
// vertically centred, which the box paints over its background. It takes no input and is read by
// assistive technology as the box's name and value.
class CaptionLabel
{
public:
    explicit CaptionLabel(QWidget &box)
        : m_box(box)
    {
    }
    const QString &Text() const noexcept { return m_text; }
    void SetText(const QString &text);
    void SetForeColor(ui::OleColor fore);
    // In the box's coordinates; the text is clipped to it.
    const QRect &Geometry() const noexcept { return m_rect; }
    void SetGeometry(const QRect &rect);
    void Paint(QPainter &painter) const;

private:
    QWidget &m_box;
    QString m_text;
    ui::OleColor m_fore = ui::kButtonTextColor;
    QRect m_rect;
};

// PicCmb: the box. Background in BackColor, the caption over it; a flat single-line border in the
// window frame colour (the 3D edge is the style's). It keeps the mouse input that reaches it: the
// parts pass none on to the control's surface.
class PickerBox final : public QFrame
{
public:
    explicit PickerBox(QWidget *parent);
    void SetBackColor(ui::OleColor back);
    CaptionLabel &Caption() noexcept { return m_caption; }
    const CaptionLabel &Caption() const noexcept { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void PaintFocusFrame(QPainter &painter) const;
    ui::OleColor m_back = ui::kWindowColor;
    CaptionLabel m_caption{*this};
};

// PictBtn with VScBtn: the drop button, one widget for the design's button frame and the scroll bar
// whose lower arrow shows in it. The arrow covers it whole in every look; each press of it (a click,
// F4 or Alt+Down, Escape only while the drop-down is open) adds one to the bar's value (0..32767),
// and the control opens or closes the drop-down on that change. It holds the control's focus, which
// shows as a frame round the caption, drawn by the box; other keys go on to the box.
class DropButton final : public ui::ArrowBar
{
public:
    explicit DropButton(QWidget *parent);
    // Presses the arrow, as a click on it does.
    void Press();
    // Ends a press under way, for a press whose release goes elsewhere (to the drop-down it opened):
    // a held arrow would go on stepping. The button keeps the focus.
    void EndPress();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace corvane::picker
