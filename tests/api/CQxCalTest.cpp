#include "api/CQxCal.h"

#include "engine/AgrYearTable.h"
#include "engine/EngineLifetime.h"

#include <gtest/gtest.h>

#include <memory>
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

TEST(CQxCal, DestroyingOneObjectLeavesTheOthersWorking)
{
    std::thread([] {
        auto first = std::make_unique<CQxCal>();
        auto second = std::make_unique<CQxCal>();
        EXPECT_EQ(ModAgrCAl::AgrYearTableLoadCount(), 1); // the second object loads nothing again
        first.reset();
        EXPECT_TRUE(ModAgrCAl::IsAgrYearTableLoaded());
        EXPECT_EQ(second->GetAgrNumDate(date::FromYmd(2001, 5, 23)), (QxAgrDateNum{2001, 4, 1, -1, 5}));
        EXPECT_EQ(second->AgrDateToUniDate({2001, 4, 1, -1, 0}), date::FromYmd(2001, 5, 23));
        second.reset();
        EXPECT_FALSE(ModAgrCAl::IsAgrYearTableLoaded());
    }).join();
}

} // namespace
