#pragma once

namespace corvane::month
{

// The day grid: seven columns, Sunday first, and six rows; lengths in twips.
inline constexpr int kColumns = 7;
inline constexpr int kRows = 6;

struct CellSize {
    int width;
    int height;
    friend constexpr bool operator==(const CellSize &, const CellSize &) = default;
};

// The cell size from the grid's inner size (twips) and the screen's twips per pixel: one pixel is
// kept back, then the rest is shared out in whole twips. 4365 x 2295 at 15 twips per pixel gives
// 621 x 380, leaving an uncovered strip of 18 x 15 twips at the right and bottom.
CellSize ComputeCellSize(double innerWidth, double innerHeight, double twipsPerPixelX, double twipsPerPixelY);

struct GridPosition {
    int column; // [0, 6]
    int row; // [0, 5]
    friend constexpr bool operator==(const GridPosition &, const GridPosition &) = default;
};

// The week day of the 1st of a month, Sunday = 0; days before it stay empty.
int FirstDayOffset(int year, int month);

// The cell of day `day` [1, 31] of a month whose 1st has offset `offset` [0, 6].
constexpr GridPosition PlaceDay(int offset, int day)
{
    const int position = offset + day - 1;
    return {position % kColumns, position / kColumns};
}

// The day under a point of the grid (twips, each rounded to the nearest integer), or 0 when the point
// lies on no day: an empty cell, the uncovered strip, or outside the grid.
int HitTestDay(double x, double y, CellSize cell, int offset, int dayCount);

} // namespace corvane::month
