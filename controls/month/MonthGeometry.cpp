#include "MonthGeometry.h"

#include "platform/date/DateValue.h"

#include <cmath>

namespace corvane::month
{

CellSize ComputeCellSize(double innerWidth, double innerHeight, double twipsPerPixelX, double twipsPerPixelY)
{
    const double width = std::nearbyint(innerWidth - twipsPerPixelX);
    const double height = std::nearbyint(innerHeight - twipsPerPixelY);
    return {int(width) / kColumns, int(height) / kRows};
}

int FirstDayOffset(int year, int month)
{
    return date::Weekday(date::FromYmd(year, month, 1)) - 1;
}

int HitTestDay(double x, double y, CellSize cell, int offset, int dayCount)
{
    const double px = std::nearbyint(x);
    const double py = std::nearbyint(y);
    if (px < 0 || py < 0 || cell.width <= 0 || cell.height <= 0)
        return 0;
    const int column = int(px) / cell.width;
    const int row = int(py) / cell.height;
    if (column >= kColumns || row >= kRows)
        return 0;
    const int day = column + 1 + kColumns * row - offset;
    return day >= 1 && day <= dayCount ? day : 0;
}

} // namespace corvane::month
