#pragma once

#include <QString>

class QScrollBar;

namespace corvane::ui
{

// Names the arrows of a scroll bar used as arrow buttons (ArrowBar) for assistive technology: the
// arrow that takes a step away (up or left) and the one that adds a step (down or right). An arrow
// without a name is one its container hides. A bar with one named arrow is that button; a bar with
// two is a group of two buttons, named by the bar's accessible name. Pressing a button through
// assistive technology steps the bar as a click on its arrow does; an arrow at its end of the range
// is shown unavailable.
void NameArrows(QScrollBar &bar, const QString &subLine, const QString &addLine);

} // namespace corvane::ui
