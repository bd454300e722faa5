#pragma once

#include <QPalette>

class QColor;
class QWidget;

namespace corvane::ui
{

// Gives one colour role of a widget's palette a new colour; nothing happens (no repaint) when the
// widget already has it.
void SetPaletteColor(QWidget &widget, QPalette::ColorRole role, const QColor &color);

} // namespace corvane::ui
