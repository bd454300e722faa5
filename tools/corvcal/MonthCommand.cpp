#include "CalendarJson.h"
#include "CommandList.h"
#include "CorvcalArgs.h"
#include "MonthGrid.h"

#include "engine/MonthCells.h"
#include "platform/date/Clock.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal month [YEAR MONTH] [-3 | -y [YEAR]] [--monday] [--json]";
constexpr int kMonthGap = 4; // columns between grids set side by side
constexpr int kMonthsPerRow = 3;

struct YearMonth {
    int year;
    int month; // [1, 12]
};

YearMonth Shifted(YearMonth at, int months)
{
    const int index = at.year * 12 + at.month - 1 + months;
    return {index / 12, index % 12 + 1};
}

// The months to show, in order.
std::vector<YearMonth> ChosenMonths(const Invocation &call, const date::Ymd &today)
{
    if (call.threeMonths && call.wholeYear)
        throw UsageError("-3 and -y do not go together; usage: " + std::string(kUsage));
    std::vector<YearMonth> months;
    if (call.wholeYear) {
        ExpectArgCount(call, 0, 1, kUsage);
        const int year =
            call.args.empty() ? today.year : ParseNumber(call.args[0], "year", FirstWholeYear(), LastWholeYear());
        if (year < FirstWholeYear() || year > LastWholeYear())
            throw UsageError("this year lies outside the supported years " + WholeYearRangeText() + "; give YEAR");
        for (int month = 1; month <= 12; ++month)
            months.push_back({year, month});
        return months;
    }

    ExpectArgCount(call, 0, 2, kUsage);
    if (call.args.size() == 1)
        throw UsageError("give both YEAR and MONTH, or neither; usage: " + std::string(kUsage));
    YearMonth at{today.year, today.month};
    if (!call.args.empty())
        at = {ParseNumber(call.args[0], "year", kFirstYear, kLastYear), ParseNumber(call.args[1], "month", 1, 12)};
    for (int shift = call.threeMonths ? -1 : 0; shift <= (call.threeMonths ? 1 : 0); ++shift)
        months.push_back(Shifted(at, shift));
    for (const YearMonth &m : months) {
        if (IsConvertibleMonth(m.year, m.month))
            continue;
        const std::string which = call.args.empty() ? "this month" : MonthText(at.year, at.month);
        throw UsageError((call.threeMonths ? "the months around " + which + " reach" : which + " lies")
                         + " outside the supported months " + MonthRangeText()
                         + (call.args.empty() ? "; give YEAR MONTH" : ""));
    }
    return months;
}

void WriteJson(const std::vector<YearMonth> &months, std::ostream &out)
{
    PrintJson(out, [&](JsonWriter &json) {
        json.BeginObject().Key("months").BeginArray();
        for (const YearMonth &m : months) {
            const int days = date::DaysInMonth(m.year, m.month);
            ModAgrCAl::FillMonthCells(m.year, m.month, days);
            json.BeginObject().Field("year", m.year).Field("month", m.month).Key("days").BeginArray();
            for (int d = 1; d <= days; ++d)
                WriteDayObject(json, date::FromYmd(m.year, m.month, d), ModAgrCAl::MonthCells()[std::size_t(d)]);
            json.EndArray().Key("terms").BeginArray();
            WriteTermObject(json, m.year, 2 * m.month - 1);
            WriteTermObject(json, m.year, 2 * m.month);
            json.EndArray().EndObject();
        }
        json.EndArray().EndObject();
    });
}

void WriteGrids(const Invocation &call, const std::vector<YearMonth> &months, const date::Ymd &today, std::ostream &out)
{
    GridStyle style;
    style.monday = call.monday;
    if (call.color)
        style.highlight = today;
    if (months.size() == 1) {
        WriteLines(out, MonthGrid(months[0].year, months[0].month, style));
        return;
    }
    style.sixWeeks = true;
    style.yearInTitle = !call.wholeYear;
    constexpr int width = kMonthsPerRow * kGridWidth + (kMonthsPerRow - 1) * kMonthGap;
    if (call.wholeYear)
        WriteLines(out, {Centred(std::to_string(months[0].year) + "年", width), TextLine()});
    for (std::size_t first = 0; first < months.size(); first += kMonthsPerRow) {
        if (first > 0)
            out << "\n";
        std::vector<TextBlock> row;
        for (std::size_t i = first; i < first + kMonthsPerRow && i < months.size(); ++i)
            row.push_back(MonthGrid(months[i].year, months[i].month, style));
        WriteLines(out, SideBySide(row, kGridWidth, kMonthGap));
    }
}

void Run(const Invocation &call, std::ostream &out)
{
    const date::Ymd today = date::YmdOf(date::Today());
    const std::vector<YearMonth> months = ChosenMonths(call, today);
    if (call.json)
        WriteJson(months, out);
    else
        WriteGrids(call, months, today, out);
}

} // namespace

Command MonthCommand()
{
    return {"month",
            "month [YEAR MONTH]         a month grid with the lunar days (-3, -y [YEAR])",
            "usage: corvcal month [YEAR MONTH] [-3 | -y [YEAR]] [--monday] [--json]\n"
            "Prints a Gregorian month as a grid, each day with its festival or lunar day name beneath\n"
            "(the month name on the first day of a lunar month), then the month's two solar terms.\n"
            "Without YEAR MONTH: this month. `corvcal` alone, or with these options only, does the same.\n"
            "Months {months}.\n"
            "  -3              the month before, this one and the one after, side by side\n"
            "  -y [YEAR]       the twelve months of a year ({whole-years}), three a row\n"
            "  --monday        weeks start on Monday (else Sunday)\n"
            "  --color[=WHEN]  today in reverse video: auto (on a terminal, unless NO_COLOR is set),\n"
            "                  always, never\n"
            "  --json          {\"months\": [MONTH, ...]}, one MONTH for each grid: {\"year\", \"month\",\n"
            "                  \"days\": [DAY, ...], \"terms\": [TERM, TERM]}, DAY as `corvcal dump --help`\n"
            "                  and TERM as `corvcal terms --help` describe them\n",
            kJsonOption | kLayoutOptions,
            kUsage,
            Run};
}

} // namespace corvane::corvcal
