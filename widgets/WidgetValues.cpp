#include "WidgetValues.h"

#include "engine/PublishedRange.h"

#include <QFont>
#include <QWidget>

#include <algorithm>

namespace corvane::widgets
{

date::YearRange ControlYears()
{
    return ModAgrCAl::kTableYears;
}

QDate FirstControlDate()
{
    return QDate(ControlYears().first, 1, 1);
}

QDate LastControlDate()
{
    return QDate(ControlYears().last, 12, 31);
}

QDate Bound(const QDate &first, const QDate &date, const QDate &last)
{
    return std::clamp(date, first, last);
}

QDate BoundToControls(const QDate &date)
{
    return Bound(FirstControlDate(), date, LastControlDate());
}

date::Date ToDateValue(const QDate &day)
{
    return date::FromYmd(day.year(), day.month(), day.day());
}

QDate ToQDate(date::Date value)
{
    const date::Ymd ymd = date::YmdOf(value);
    return QDate(ymd.year, ymd.month, ymd.day);
}

QTime ToQTime(date::Date value)
{
    return QTime(0, 0).addSecs(date::Split(value).seconds);
}

date::Date AtTime(date::Date value, const QTime &time)
{
    return date::Join(date::DayOf(value), time.msecsSinceStartOfDay() / 1000);
}

QColor ShownColor(ui::OleColor value, const QWidget &widget)
{
    return ui::ResolveOleColor(value, widget.palette());
}

ui::OleColor ToOleColor(const QColor &color, ui::OleColor paletteDefault)
{
    if (!color.isValid())
        return paletteDefault;
    const QColor rgb = color.toRgb();
    return ui::OleRgb(rgb.red(), rgb.green(), rgb.blue());
}

StdFont::Description FontDescription(const QFont &font)
{
    StdFont::Description description;
    if (!font.family().isEmpty())
        description.name = font.family().toStdString();
    if (font.pointSizeF() > 0)
        description.size = float(std::min(font.pointSizeF(), 2160.0));
    description.weight = std::int16_t(std::clamp(int(font.weight()), 100, 900));
    description.italic = font.italic();
    description.underline = font.underline();
    description.strikethrough = font.strikeOut();
    return description;
}

} // namespace corvane::widgets
