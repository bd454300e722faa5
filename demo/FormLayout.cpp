#include "FormLayout.h"

#include <QWidget>

namespace corvdemo
{

FormLayout::FormLayout()
    : m_scale(corvane::ui::ScreenTwipsScale())
{
}

QPoint FormLayout::Point(int leftTwips, int topTwips) const
{
    return {m_scale.EdgeX(leftTwips), m_scale.EdgeY(topTwips)};
}

QSize FormLayout::Size(int widthTwips, int heightTwips) const
{
    return m_scale.SizeToPixels(widthTwips, heightTwips);
}

void FormLayout::Place(QWidget &widget, int left, int top, int width, int height) const
{
    widget.setGeometry(m_scale.ToPixels({left, top, width, height}));
}

} // namespace corvdemo
