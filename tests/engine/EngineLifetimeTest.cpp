#include "engine/EngineLifetime.h"
#include "engine/AgrConversion.h"
#include "engine/AgrYearTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

using namespace corvane::ModAgrCAl;

namespace
{

TEST(EngineLifetime, InitLoadsOnlyWhatIsNotLoaded)
{
    std::thread([] {
        EXPECT_FALSE(IsAgrYearTableLoaded());
        InitAgrTables();
        InitAgrTables();
        EXPECT_TRUE(IsAgrYearTableLoaded());
        EXPECT_EQ(AgrYearTableLoadCount(), 1);
    }).join();
}

TEST(EngineLifetime, DestroyingOneClientKeepsTheTablesOfTheOthers)
{
    std::thread([] {
        auto first = std::make_unique<EngineClient>();
        auto second = std::make_unique<EngineClient>();
        EXPECT_EQ(AgrYearTableLoadCount(), 1); // the second client loads nothing again
        first.reset();
        EXPECT_TRUE(IsAgrYearTableLoaded());
        EXPECT_EQ(UniToAgrDate(2002, 7, 19), (AgrDate{2002, "6", 10, 6}));
        second.reset();
        EXPECT_FALSE(IsAgrYearTableLoaded()); // the last one clears
        EngineClient third;
        EXPECT_TRUE(IsAgrYearTableLoaded());
        EXPECT_EQ(AgrYearTableLoadCount(), 2);
    }).join();
}

TEST(EngineLifetime, EachThreadHasItsOwnState)
{
    EngineClient here;
    std::thread([] {
        EXPECT_EQ(LiveEngineClients(), 0);
        EXPECT_FALSE(IsAgrYearTableLoaded());
    }).join();
    EXPECT_EQ(LiveEngineClients(), 1);
}

} // namespace
