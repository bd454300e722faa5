#pragma once

#include "EmbeddedControl.h"
#include "controls/spin/SpinControl.h"

#include <QColor>

namespace corvane::widgets
{

// What the date and the time spin widgets share: their control, embedded, and its look - appearance
// (0 Flat, 1 3D; the widget takes the new size) and the text box's colours, which follow the palette
// (window background, window text) until they are set. Setters do nothing for the value already held.
class SpinFace
{
public:
    SpinFace(ObjectPtr<SpinControl> control, QWidget &widget, EmbeddedControl::EventHandler onEvent);

    SpinControl &Control() const noexcept { return *m_control; }
    QSize Size() const { return m_embedded.Size(); }

    int Appearance() const noexcept { return m_control->Appearance(); }
    void SetAppearance(int value);
    QColor BackColor() const;
    void SetBackColor(const QColor &color);
    QColor TextColor() const;
    void SetTextColor(const QColor &color);

private:
    ObjectPtr<SpinControl> m_control;
    QWidget &m_widget;
    EmbeddedControl m_embedded;
};

} // namespace corvane::widgets
