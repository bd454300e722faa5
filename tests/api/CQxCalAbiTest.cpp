// CQxCal as a host reaches it: libcorvane.so loaded through the registry, members called by dispatch
// id with variant arguments.
#include "RecordFields.h"
#include "ScopedRegistry.h"
#include "engine/EngineLifetime.h"

#include "corvane/corvane.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using corv::Object;
using corv::Variant;

constexpr double k20020719 = 37456.0;

class CQxCalAbi : public ::testing::Test
{
protected:
    ScopedRegistry registry{CORVANE_LIBRARY};
    Object cal = Object::Create("Corvane.CQxCal");
};

// libcorvane.so computes with the engine of libcorvane-calendar.so, which this program uses too: a
// process holds one copy of the tables and of their per-thread state, however it reaches them.
TEST_F(CQxCalAbi, TheLibraryAndTheProgramShareOneEngine)
{
    EXPECT_EQ(corvane::ModAgrCAl::LiveEngineClients(), 1); // the fixture's object
    {
        const Object second = Object::Create("Corvane.CQxCal");
        EXPECT_EQ(corvane::ModAgrCAl::LiveEngineClients(), 2);
    }
    EXPECT_EQ(corvane::ModAgrCAl::LiveEngineClients(), 1);
}

TEST_F(CQxCalAbi, PublishesTheSevenMethodsInOrderWithTheirParameterNames)
{
    const corv_class_desc &cls = cal.Class();
    EXPECT_STREQ(cls.name, "_CQxCal");
    EXPECT_EQ(cls.event_count, 0u);
    const char *const expected[][4] = {
        {"GetAgrNumDate", "CurrDate"},
        {"GetAgrStrDate", "CurrDate"},
        {"GetsTermString", "CurrUniYear", "sterm"},
        {"GetsTermDateTime", "CurrUniYear", "sterm"},
        {"GetEraNumber", "CurrDate", "CurTime", "iMode"},
        {"GetEraString", "CurrDate", "CurTime", "iMode"},
        {"AgrDateToUniDate", "CurrAgrDate"},
    };
    ASSERT_EQ(cls.member_count, 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        const corv_member_desc &m = cls.members[i];
        EXPECT_STREQ(m.name, expected[i][0]);
        EXPECT_EQ(m.kind, CORV_METHOD);
        EXPECT_STREQ(m.help, ""); // CQxCal publishes no help strings
        for (std::size_t p = 0; p < m.param_count; ++p)
            EXPECT_STREQ(m.params[p].name, expected[i][p + 1]) << m.name;
    }
    EXPECT_TRUE(cls.members[4].params[1].byref); // CurTime
    EXPECT_TRUE(cls.members[6].params[0].byref); // CurrAgrDate
    EXPECT_STREQ(cls.members[6].params[0].type_name, "QxAgrDateNum");
}

TEST_F(CQxCalAbi, LunarDatesAsNumbersAndText)
{
    const Variant num = cal.Call("GetAgrNumDate", Variant::Date(k20020719));
    EXPECT_EQ(num.RecordType(), "QxAgrDateNum");
    EXPECT_EQ(num.FieldName(4), "AgrMonthBound");
    EXPECT_EQ(Fields(num), (std::vector<int>{2002, 6, 10, 0, 6}));
    EXPECT_EQ(Fields(cal.Call("GetAgrNumDate", Variant::Date(37034.0))), (std::vector<int>{2001, 4, 1, -1, 5}));
    EXPECT_EQ(Fields(cal.Call("GetAgrNumDate", Variant::Date(366.0))), (std::vector<int>{0, 0, 0, 0, 0})); // 1900
    EXPECT_EQ(Texts(cal.Call("GetAgrStrDate", Variant::Date(37034.0))),
              (std::vector<std::string>{"辛巳年", "闰四", "初一日"}));
    EXPECT_EQ(Texts(cal.Call("GetAgrStrDate", Variant::Date(47849.0))), (std::vector<std::string>{"", "", ""})); // 2031
}

TEST_F(CQxCalAbi, SolarTerms)
{
    EXPECT_EQ(cal.Call("GetsTermString", std::int16_t(2002), std::int16_t(1)).String(), "小寒：5日20时26分");
    EXPECT_EQ(cal.Call("GetsTermString", std::int16_t(2002), std::int16_t(25)).String(), "");
    // An I4 argument is converted to the declared I2.
    EXPECT_EQ(cal.Call("GetsTermString", std::int32_t(2002), std::int32_t(24)).String(), "冬至：22日08时55分");
    const double moment = cal.Call("GetsTermDateTime", std::int16_t(2002), std::int16_t(1)).Date();
    EXPECT_DOUBLE_EQ(moment, 37261.0 + (20 * 60 + 26) / 1440.0); // 2002-01-05 20:26
    EXPECT_EQ(cal.Call("GetsTermDateTime", std::int16_t(2031), std::int16_t(1)).Date(), 0.0);
}

TEST_F(CQxCalAbi, EraNumbersTakeTheTimeAndModeByReference)
{
    Variant time = Variant::Date(10.5 / 24);
    Variant mode = std::int32_t(0);
    const Variant num = cal.Call("GetEraNumber", Variant::Date(k20020719), Variant::Ref(time), Variant::Ref(mode));
    EXPECT_EQ(num.RecordType(), "QxAgrEraNum");
    EXPECT_EQ(Fields(num), (std::vector<int>{19, 44, 25, 54}));
    EXPECT_EQ(time.Date(), 10.5 / 24); // by-reference arguments are never written
    EXPECT_EQ(Texts(cal.Call("GetEraString", Variant::Date(k20020719), Variant::Date(10.5 / 24))),
              (std::vector<std::string>{"壬午", "丁未", "戊子", "丁巳"}));
    // 2002-01-20 12:00 by the solar terms: the 辛丑 month.
    EXPECT_EQ(cal.Call("GetEraNumber", Variant::Date(37276.0), Variant::Date(0.5), std::int32_t(1)).Field(1).I2(), 38);
    EXPECT_EQ(Texts(cal.Call("GetEraString", Variant::Date(48000.0))), (std::vector<std::string>{"", "", "", ""}));
}

Variant DateNum(int year, int month, int day, int leap)
{
    return Variant::Record("QxAgrDateNum",
                           {{"AgrFactYear", std::int16_t(year)},
                            {"AgrMonth", std::int16_t(month)},
                            {"AgrDay", std::int16_t(day)},
                            {"AgrIsLeep", std::int16_t(leap)},
                            {"AgrMonthBound", std::int16_t(0)}});
}

// The record travels by reference and is screened as the shared methods screen it.
TEST_F(CQxCalAbi, LunarToGregorianTakesTheRecordByReference)
{
    Variant leap = DateNum(2001, 4, 1, -1);
    EXPECT_EQ(cal.Call("AgrDateToUniDate", Variant::Ref(leap)).Date(), 37034.0); // 2001-05-23
    Variant noLeap = DateNum(2002, 4, 1, -1); // no leap month in 2002
    EXPECT_EQ(cal.Call("AgrDateToUniDate", Variant::Ref(noLeap)).Date(), 0.0);
}

// The engine's tables reach 2100, but through automation the methods keep the published years
// 1901-2030: a later date, year or lunar year answers the empty result, as it always has.
TEST_F(CQxCalAbi, BeyondThePublishedYearsTheMethodsAnswerEmpty)
{
    struct Case {
        const char *what;
        double day;
        std::int16_t year;
    };
    const Case cases[] = {
        {"2031-06-01, in the listed table", 48000.0, 2031},
        {"2033-12-22, a leap 11th month", 48935.0, 2033},
        {"2057-09-28", 57616.0, 2057},
        {"2100-12-31, the tables' last day", 73415.0, 2100},
    };
    const std::vector<int> zeros4{0, 0, 0, 0};
    const std::vector<std::string> empty4{"", "", "", ""};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Fields(cal.Call("GetAgrNumDate", Variant::Date(c.day))), (std::vector<int>{0, 0, 0, 0, 0}));
        EXPECT_EQ(Texts(cal.Call("GetAgrStrDate", Variant::Date(c.day))), (std::vector<std::string>{"", "", ""}));
        EXPECT_EQ(Fields(cal.Call("GetEraNumber", Variant::Date(c.day), Variant::Date(0.5), std::int32_t(1))), zeros4);
        EXPECT_EQ(Texts(cal.Call("GetEraString", Variant::Date(c.day))), empty4);
        EXPECT_EQ(cal.Call("GetsTermString", c.year, std::int16_t(1)).String(), "");
        EXPECT_EQ(cal.Call("GetsTermDateTime", c.year, std::int16_t(24)).Date(), 0.0);
        Variant record = DateNum(c.year, 11, 1, c.year == 2033 ? -1 : 0);
        EXPECT_EQ(cal.Call("AgrDateToUniDate", Variant::Ref(record)).Date(), 0.0);
    }
    // The last published day still converts.
    EXPECT_EQ(Fields(cal.Call("GetAgrNumDate", Variant::Date(47848.0))), (std::vector<int>{2030, 12, 7, 0, 12}));
}

TEST_F(CQxCalAbi, BadCallsAreNumberedErrors)
{
    const auto errorOf = [&](auto call) {
        try {
            call();
        } catch (const corv::Error &error) {
            return error.Number();
        }
        return 0;
    };
    EXPECT_EQ(errorOf([&] { cal.Call("GetAgrNumDate", "not a date"); }), CORV_E_TYPE_MISMATCH);
    EXPECT_EQ(errorOf([&] { cal.Call("GetAgrNumDate", Variant::Date(1), Variant::Date(2)); }), CORV_E_BAD_PARAM_COUNT);
    EXPECT_EQ(errorOf([&] { cal.Call("AgrDateToUniDate", Variant::Record("QxAgrEraNum", {})); }), CORV_E_TYPE_MISMATCH);
    EXPECT_EQ(errorOf([&] { cal.Invoke(0x7777, CORV_METHOD); }), CORV_E_NO_SUCH_MEMBER);
    EXPECT_EQ(errorOf([&] { cal.Call("GetsTermString", std::int32_t(70000)); }), CORV_E_OVERFLOW);
    // The object is still usable after the failures.
    EXPECT_EQ(Fields(cal.Call("GetAgrNumDate", Variant::Date(k20020719)))[0], 2002);
}

} // namespace
