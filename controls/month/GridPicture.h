#pragma once

#include "MonthGeometry.h"
#include "MonthGridModel.h"
#include "platform/ui/Twips.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

class QPalette;

namespace corvane::month
{

// What the grid widget draws, ready for the painter: the month's cells with their texts and resolved
// colours, and where the selection highlight is.
struct GridPicture {
    struct Day {
        GridPosition position;
        bool bold = false;
        QString number;
        QColor numberColor;
        QString lower;
        QColor lowerColor;
    };
    int year = 0; // the month shown; 0 before the first composition
    int month = 0;
    CellSize cell{0, 0};
    QColor background;
    QColor select;
    std::vector<Day> days; // days[d - 1] is day d
    int highlightDay = 0; // the day whose cell carries the highlight; 0 for none
};

// The pixels of a cell: the twips rectangle (column x width, row x height, width, height) with its
// edges rounded on their own, so cells tile the grid without gaps.
QRect CellPixelRect(GridPosition position, CellSize cell, const ui::TwipsScale &scale);

// The picture of a composed month, with the colours of `colors` resolved through `palette`.
GridPicture
MakeGridPicture(const MonthGridModel &model, CellSize cell, const MonthColors &colors, const QPalette &palette);

} // namespace corvane::month
