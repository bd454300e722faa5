#include "SpinFace.h"

#include "WidgetValues.h"
#include "controls/spin/SpinProperties.h"

namespace corvane::widgets
{

SpinFace::SpinFace(ObjectPtr<SpinControl> control, QWidget &widget, EmbeddedControl::EventHandler onEvent)
    : m_control(std::move(control))
    , m_widget(widget)
    , m_embedded(m_control, widget, std::move(onEvent))
{
}

void SpinFace::SetAppearance(int value)
{
    if (value == m_control->Appearance())
        return;
    m_control->SetAppearance(value);
    m_embedded.FollowSize();
}

QColor SpinFace::BackColor() const
{
    return ShownColor(m_control->BackColor(), m_widget);
}

void SpinFace::SetBackColor(const QColor &color)
{
    const ui::OleColor value = ToOleColor(color, spin::kBackColor.initial);
    if (value != m_control->BackColor())
        m_control->SetBackColor(value);
}

QColor SpinFace::TextColor() const
{
    return ShownColor(m_control->ForeColor(), m_widget);
}

void SpinFace::SetTextColor(const QColor &color)
{
    const ui::OleColor value = ToOleColor(color, spin::kForeColor.initial);
    if (value != m_control->ForeColor())
        m_control->SetForeColor(value);
}

} // namespace corvane::widgets
