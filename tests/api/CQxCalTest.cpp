#include "api/CQxCal.h"

#include <gtest/gtest.h>

#include <thread>

using namespace corvane;

namespace
{

TEST(CQxCal, AFreshObjectAnswersWithoutAnyOtherCall)
{
    std::thread([] {
        const CQxCal cal;
        EXPECT_EQ(cal.GetAgrNumDate(date::FromYmd(2002, 7, 19)), (QxAgrDateNum{2002, 6, 10, 0, 6}));
        EXPECT_EQ(cal.GetsTermString(2002, 1), "小寒：5日20时26分");
    }).join();
}

} // namespace
