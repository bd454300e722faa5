// The span of years a C++ owner gives the month control, the picker and the date editor: the
// published 1901..2030 by default, wider spans of the engine's years on request, nothing else.
#include "ErrorOf.h"
#include "ui/support/ShowForInput.h"

#include "controls/month/MonthGeometry.h"
#include "controls/month/MonthGridWidget.h"
#include "controls/month/QxMonth.h"
#include "controls/picker/QxMonthVw.h"
#include "controls/spin/DateUpDown.h"
#include "controls/spin/SpinSteps.h"
#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/DateCaption.h"
#include "platform/date/Clock.h"
#include "platform/date/DateFormat.h"

#include <QComboBox>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

using namespace corvane;
using date::FromYmd;

constexpr date::YearRange kWide{1901, 2100};

class YearRangeTest : public testing::Test
{
protected:
    date::FixedClock clock{FromYmd(2002, 7, 19)};
    date::ScopedClock pinned{clock};
};

TEST_F(YearRangeTest, EveryControlRefusesASpanOutsideTheTablesAndKeepsItsOwn)
{
    const ObjectPtr<QxMonth> month = MakeObject<QxMonth>();
    const ObjectPtr<QxMonthVw> picker = MakeObject<QxMonthVw>();
    const ObjectPtr<DateUpDown> spin = MakeObject<DateUpDown>();
    const date::YearRange bad[] = {{1900, 2030}, {1901, 2101}, {2031, 2030}, {0, 0}};
    for (const date::YearRange years : bad) {
        EXPECT_EQ(ErrorOf([&] { month->SetYearRange(years); }), 5) << years.first << ".." << years.last;
        EXPECT_EQ(ErrorOf([&] { picker->SetYearRange(years); }), 5) << years.first << ".." << years.last;
        EXPECT_EQ(ErrorOf([&] { spin->SetYearRange(years); }), 5) << years.first << ".." << years.last;
    }
    for (const date::YearRange kept : {month->YearRange(), picker->YearRange(), spin->YearRange()}) {
        EXPECT_EQ(kept.first, 1901);
        EXPECT_EQ(kept.last, 2030);
    }
}

// The lists, the arrows and the property follow the span; a date outside moves in without an event
// (a picker's month view must not take that for a pick).
TEST_F(YearRangeTest, TheMonthControlFollowsItsSpan)
{
    const ObjectPtr<QxMonth> month = MakeObject<QxMonth>();
    month->InitNew();
    int changes = 0;
    month->Advise(MakeEventSink([&](DispId id, std::span<Variant>) { changes += id == QxMonth::kChange; }));
    ShowForInput(month->Surface());
    auto *years = month->Surface()->findChild<QComboBox *>(QStringLiteral("CmbUniYear"));
    auto *arrows = month->Surface()->findChild<QScrollBar *>(QStringLiteral("HScMonth"));
    ASSERT_EQ(years->count(), 130);
    EXPECT_EQ(arrows->maximum(), 1560);

    month->SetYearRange(kWide);
    EXPECT_EQ(years->count(), 200);
    EXPECT_EQ(years->itemText(199), QStringLiteral("2100"));
    EXPECT_EQ(arrows->maximum(), 2400);
    month->SetCurrDate(FromYmd(2100, 12, 31));
    EXPECT_EQ(month->CurrDate(), FromYmd(2100, 12, 31));
    month->Refresh();
    EXPECT_EQ(years->currentIndex(), 199);
    EXPECT_EQ(arrows->value(), 2400);
    month->SetCurrDate(FromYmd(2101, 3, 4));
    EXPECT_EQ(month->CurrDate(), FromYmd(2100, 3, 4)) << "held to the new span";

    changes = 0;
    month->SetYearRange({2040, 2050});
    EXPECT_EQ(month->CurrDate(), FromYmd(2050, 3, 4));
    EXPECT_EQ(changes, 0);
    month->Refresh();
    EXPECT_EQ(years->currentIndex(), 10);
    EXPECT_EQ(arrows->value(), 10 * 12 + 3);
    // The last arrow step of the span goes no further.
    month->SetCurrDate(FromYmd(2050, 12, 5));
    arrows->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(month->CurrDate(), FromYmd(2050, 12, 5));
}

// Keys move to the last day of a wide span and refuse to leave it; the header shows that day's
// lunar year and month as the engine converts it.
TEST_F(YearRangeTest, TheGridKeysReachTheEndOfAWideSpan)
{
    const ObjectPtr<QxMonth> month = MakeObject<QxMonth>();
    month->InitNew();
    month->SetYearRange(kWide);
    ShowForInput(month->Surface());
    auto *grid = month->Surface()->findChild<month::MonthGridWidget *>(QStringLiteral("PicMonth"));
    grid->setFocus();
    month->SetCurrDate(FromYmd(2100, 12, 30));
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(month->CurrDate(), FromYmd(2100, 12, 31));
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown}) {
        QTest::keyClick(grid, key);
        EXPECT_EQ(month->CurrDate(), FromYmd(2100, 12, 31)) << key;
    }
    const ModAgrCAl::AgrDate lunar = ModAgrCAl::UniToAgrDate(2100, 12, 31);
    EXPECT_EQ(month->AgrYearText(), ModAgrCAl::GetAgrYearName(lunar.Year));
    EXPECT_EQ(month->AgrMonthText(), ModAgrCAl::GetAgrMonthName(lunar.Month, ModAgrCAl::AgrYear(lunar.Year).LeapMonth));
}

// The default picker keeps refusing a caption after the published tables' last year; one given the
// engine's years shows every day of them.
TEST_F(YearRangeTest, ThePickersCaptionReachesTheEndOfItsSpan)
{
    const ObjectPtr<QxMonthVw> picker = MakeObject<QxMonthVw>();
    picker->InitNew();
    EXPECT_EQ(ErrorOf([&] { picker->SetCurrDate(FromYmd(2032, 1, 1)); }), 9);
    picker->SetYearRange(kWide);
    for (const date::Date day : {FromYmd(2057, 9, 28), FromYmd(2100, 12, 31)}) {
        picker->SetAgrDateFormat(1);
        ASSERT_EQ(ErrorOf([&] { picker->SetCurrDate(day); }), 0);
        EXPECT_EQ(picker->Caption(), ModAgrCAl::GetDateCaption(day, 1));
    }
    EXPECT_EQ(ErrorOf([&] { picker->SetCurrDate(FromYmd(2101, 1, 1)); }), 9);
}

TEST_F(YearRangeTest, TheDateEditorWrapsAtTheEndsOfItsSpan)
{
    struct Row {
        date::YearRange years;
        date::Date from;
        date::Unit unit;
        int step;
        date::Date to;
    } rows[] = {
        {kWide, FromYmd(2100, 12, 31), date::Unit::Day, 1, FromYmd(1901, 1, 1)},
        {kWide, FromYmd(1901, 1, 1), date::Unit::Day, -1, FromYmd(2100, 12, 31)},
        {kWide, FromYmd(2030, 12, 31), date::Unit::Day, 1, FromYmd(2031, 1, 1)},
        {kWide, FromYmd(2100, 6, 15), date::Unit::Year, 1, FromYmd(1901, 1, 1)},
        {kWide, FromYmd(2099, 12, 15), date::Unit::Month, 1, FromYmd(2100, 1, 15)},
        {{2040, 2050}, FromYmd(2040, 1, 1), date::Unit::Month, -1, FromYmd(2050, 12, 31)},
    };
    for (const Row &row : rows)
        EXPECT_EQ(spin::StepDate(row.from, row.unit, row.step, row.years), row.to)
            << date::Format(row.from, "yyyy-mm-dd") << " " << row.step;

    const ObjectPtr<DateUpDown> spin = MakeObject<DateUpDown>();
    spin->InitNew();
    spin->SetCurrDate(FromYmd(2057, 9, 28));
    EXPECT_EQ(spin->CurrDate(), FromYmd(2030, 9, 28)) << "the published years by default";
    spin->SetYearRange(kWide);
    spin->SetCurrDate(FromYmd(2057, 9, 28));
    EXPECT_EQ(spin->CurrDate(), FromYmd(2057, 9, 28));
    EXPECT_EQ(spin->Text(), "2057年09月28日");
    spin->SetYearRange({1950, 2000});
    EXPECT_EQ(spin->CurrDate(), FromYmd(2000, 9, 28));
    EXPECT_EQ(spin->Text(), "2000年09月28日");
}

} // namespace
