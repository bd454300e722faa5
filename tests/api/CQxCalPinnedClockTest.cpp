// CQxCal's members called through the C ABI inside this process, so that the test can pin the clock
// the library reads: what an omitted date or time means depends on the present.
#include "RecordFields.h"
#include "api/CQxCalObject.h"
#include "platform/automation/AbiObject.h"
#include "platform/automation/ObjectPtr.h"
#include "platform/date/Clock.h"

#include "corvane/corvane.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using corv::Variant;
namespace date = corvane::date;

// Pinned at 2002-07-19 10:30, the 巳 hour of the 戊子 day.
class CQxCalPinnedClock : public ::testing::Test
{
protected:
    date::FixedClock m_clock{date::FromYmd(2002, 7, 19) + date::FromHms(10, 30, 0)};
    date::ScopedClock m_pin{m_clock};
    corvane::ObjectPtr<corvane::CQxCalObject> m_object = corvane::MakeObject<corvane::CQxCalObject>();
    corv::Object cal{corvane::abi::ShareHandle(*m_object)};
};

TEST_F(CQxCalPinnedClock, AnOmittedTimeIsThatOfTheEffectiveDate)
{
    const std::vector<std::string> now = {"壬午", "丁未", "戊子", "丁巳"};
    EXPECT_EQ(Texts(cal.Call("GetEraString")), now);
    EXPECT_EQ(Texts(cal.Call("GetEraString", Variant::Missing(), Variant::Missing(), Variant::Missing())), now);
    EXPECT_EQ(Texts(cal.Call("GetEraString", Variant::Date(0.0), Variant::Date(0.0))), now);
    // A plain date without a time is its 00:00, the 子 hour.
    EXPECT_EQ(Texts(cal.Call("GetEraString", Variant::Date(37456.0))),
              (std::vector<std::string>{"壬午", "丁未", "戊子", "壬子"}));
    // The date omitted, a time given: today at that time.
    EXPECT_EQ(Texts(cal.Call("GetEraString", Variant::Missing(), Variant::Date(15.0 / 24))),
              (std::vector<std::string>{"壬午", "丁未", "戊子", "庚申"}));
    EXPECT_EQ(cal.Call("GetEraNumber").Field(3).I2(), 54);
}

} // namespace
