#include "MonthGridWidget.h"

#include <QPainter>

namespace corvane::month
{

namespace
{

// Draws `text` with its left edge at x + (cell width - text width) / 2 and its top at
// top + (cell height / 2 - text height) / 2, all in fractional twips.
void DrawCentred(QPainter &painter,
                 const QString &text,
                 const QColor &color,
                 const QFontMetricsF &metrics,
                 const ui::TwipsScale &scale,
                 double x,
                 double top,
                 CellSize cell)
{
    const double width = scale.ToTwipsX(metrics.horizontalAdvance(text));
    const double height = scale.ToTwipsY(metrics.height());
    const double left = x + (cell.width - width) / 2;
    const double textTop = top + (cell.height / 2.0 - height) / 2;
    painter.setPen(color);
    painter.drawText(QPointF(scale.ToPixelsX(left), scale.ToPixelsY(textTop) + metrics.ascent()), text);
}

} // namespace

void PaintMonthGrid(QPainter &painter,
                    const GridPicture &picture,
                    const ui::TwipsScale &scale,
                    const GridFonts &fonts,
                    const QRegion &clip)
{
    for (const QRect &rect : clip)
        painter.fillRect(rect, picture.background);
    const CellSize cell = picture.cell;
    for (const GridPicture::Day &day : picture.days) {
        if (!clip.intersects(CellPixelRect(day.position, cell, scale)))
            continue;
        const QFontMetricsF &metrics = day.bold ? fonts.boldMetrics : fonts.regularMetrics;
        painter.setFont(day.bold ? fonts.bold : fonts.regular);
        const double x = day.position.column * cell.width;
        const double y = day.position.row * cell.height;
        DrawCentred(painter, day.number, day.numberColor, metrics, scale, x, y, cell);
        DrawCentred(painter, day.lower, day.lowerColor, metrics, scale, x, y + cell.height / 2.0, cell);
    }
    if (picture.highlightDay >= 1 && std::size_t(picture.highlightDay) <= picture.days.size()) {
        const QRect selected = CellPixelRect(picture.days[std::size_t(picture.highlightDay - 1)].position, cell, scale);
        if (clip.intersects(selected)) {
            painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
            painter.fillRect(selected, picture.select);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    }
}

void PaintGridFocus(QPainter &painter, const GridPicture &picture, const ui::TwipsScale &scale)
{
    if (picture.highlightDay < 1 || std::size_t(picture.highlightDay) > picture.days.size())
        return;
    const QRect cell = CellPixelRect(picture.days[std::size_t(picture.highlightDay - 1)].position, picture.cell, scale);
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(2, 2, -3, -3));
    painter.restore();
}

} // namespace corvane::month
