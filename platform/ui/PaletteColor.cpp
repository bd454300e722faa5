#include "PaletteColor.h"

#include <QColor>
#include <QWidget>

namespace corvane::ui
{

void SetPaletteColor(QWidget &widget, QPalette::ColorRole role, const QColor &color)
{
    if (widget.palette().color(role) == color)
        return;
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}

} // namespace corvane::ui
