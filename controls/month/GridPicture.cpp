#include "GridPicture.h"

#include "platform/ui/Text.h"

namespace corvane::month
{

QRect CellPixelRect(GridPosition position, CellSize cell, const ui::TwipsScale &scale)
{
    return scale.ToPixels({position.column * cell.width, position.row * cell.height, cell.width, cell.height});
}

GridPicture
MakeGridPicture(const MonthGridModel &model, CellSize cell, const MonthColors &colors, const QPalette &palette)
{
    GridPicture picture;
    picture.year = model.year;
    picture.month = model.month;
    picture.cell = cell;
    picture.background = ui::ResolveOleColor(colors.DateBackColor, palette);
    picture.select = ui::ResolveOleColor(colors.SelectColor, palette);
    picture.days.reserve(std::size_t(model.dayCount));
    for (int d = 1; d <= model.dayCount; ++d) {
        const GridDay &day = model.days[std::size_t(d - 1)];
        picture.days.push_back({day.position,
                                day.bold,
                                QString::number(d),
                                ui::ResolveOleColor(day.numberColor, palette),
                                ui::ToQString(day.lowerText),
                                ui::ResolveOleColor(day.lowerColor, palette)});
    }
    return picture;
}

} // namespace corvane::month
