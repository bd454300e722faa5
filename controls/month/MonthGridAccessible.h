#pragma once

#include "MonthGeometry.h"

#include <functional>

class QAccessibleEvent;

namespace corvane::month
{

class MonthGridWidget;

// The day grid as assistive technology sees it: a table of 6 rows and 7 columns, Sunday first, whose
// column headers are the week days. Children: the 7 headers (role ColumnHeader), then the 42 cells by
// row (role Cell). A day's cell is named by DayCellName and described as "今天" on today; it is
// selected while it carries the highlight, and focused as well while the grid has the focus. The
// cells before the 1st and after the last day have no name. The table is named after the month shown
// ("2002年7月").

// Makes every MonthGridWidget answer as such a table; once per process, later calls do nothing.
void InstallGridAccessibility();

// The index among the table's children of the cell at `row`, `column`.
constexpr int GridCellChild(int row, int column)
{
    return kColumns + row * kColumns + column;
}

// The highlight has been drawn: when it marks another day than last told, assistive technology hears
// of the selection (and of the focus, while the grid has it) on that day's cell.
void AnnounceGridSelection(MonthGridWidget &grid);
// The grid took the focus: the focus is on the selected day's cell.
void AnnounceGridFocus(MonthGridWidget &grid);

// Where those announcements go: to QAccessible::updateAccessibility (which drops them while no
// assistive technology listens), or, while one is set, to `listener` instead - for tests, whose
// platforms often have no accessibility bridge. An empty function restores the default.
void SetGridAnnouncementListener(std::function<void(QAccessibleEvent &)> listener);

} // namespace corvane::month
