// The header-only C++ wrapper, over the C ABI and the test library loaded through the registry.
#include "ScopedEnv.h"
#include "TempDir.h"

#include "corvane/corvane.hpp"

#include <gtest/gtest.h>

namespace
{

class Wrapper : public ::testing::Test
{
protected:
    void SetUp() override { corv::Check(corv_register_library(CORVANE_TOY_LIBRARY, nullptr)); }

    TempDir dir;
    ScopedEnv registry{"CORVANE_REGISTRY", (dir / "registry").c_str()};
};

TEST_F(Wrapper, CallsMembersByNameWithNativeValues)
{
    const corv::Object toy = corv::Object::Create("Corvane.Toy");
    EXPECT_EQ(toy.Call("Add", 40, std::int16_t(2)).I4(), 42);
    toy.Put("Greeting", "你好");
    EXPECT_EQ(toy.Get("Greeting").String(), "你好");

    const corv::Variant parts = toy.Call("SplitDate", corv::Variant::Date(37456));
    EXPECT_EQ(parts.RecordType(), "ToyParts");
    EXPECT_EQ(parts.Field("dayofyear").I2(), 200);
    const corv::Variant record =
        corv::Variant::Record("ToyParts",
                              {{"Year", std::int16_t(2001)}, {"Month", std::int16_t(4)}, {"Day", std::int16_t(1)}});
    EXPECT_EQ(toy.Call("JoinParts", record).Date(), 36982);
    EXPECT_EQ(record.FieldCount(), 3u);

    // Copies share the object; Self hands back the same one.
    const corv::Object same = toy.Get("Self").AsObject();
    EXPECT_EQ(same.get(), toy.get());
}

TEST_F(Wrapper, FailuresAreExceptionsWithTheirNumbers)
{
    const corv::Object toy = corv::Object::Create("Corvane.Toy");
    try {
        toy.Call("Fail", 6);
        ADD_FAILURE();
    } catch (const corv::Error &e) {
        EXPECT_EQ(e.Number(), 6);
        EXPECT_STREQ(e.what(), "Toy failure 6");
    }
    try {
        toy.IdOf("NoSuchThing");
        ADD_FAILURE();
    } catch (const corv::Error &e) {
        EXPECT_EQ(e.Number(), 438);
    }
    EXPECT_THROW(corv::Object::Create("Nobody.Home"), corv::Error);
    EXPECT_THROW((void)toy.Call("Add", 1).String(), corv::Error);
}

TEST_F(Wrapper, EventHandlersWriteByReferenceArgumentsAndUnadviseOnDestruction)
{
    const corv::Object toy = corv::Object::Create("Corvane.Toy");
    int calls = 0;
    {
        const corv::Connection connection = toy.Advise([&](std::int32_t id, std::span<corv::Variant> args) {
            ++calls;
            EXPECT_EQ(id, 1);
            corv::AssignRef(args[0], std::string(args[0].String()) + " back");
        });
        EXPECT_EQ(toy.Call("Fire", "there").String(), "there back");
    }
    EXPECT_EQ(toy.Call("Fire", "again").String(), "again");
    EXPECT_EQ(calls, 1);
}

TEST_F(Wrapper, BagsRoundTripThroughFiles)
{
    const corv::Object toy = corv::Object::Create("Corvane.Toy");
    toy.Put("Value", 7);
    toy.Put("Stamp", corv::Variant::Date(37456.4375));
    corv::Bag bag;
    toy.Save(bag);
    ASSERT_EQ(bag.Count(), 2u);
    EXPECT_EQ(bag.Key(0), "Value");
    bag.SaveFile((dir / "toy.bag").string());

    corv::Bag loaded;
    loaded.LoadFile((dir / "toy.bag").string());
    EXPECT_EQ(loaded.Read("Stamp").Date(), 37456.4375);
    EXPECT_EQ(loaded.Read("Absent", "fallback").String(), "fallback");
    const corv::Object copy = corv::Object::Create("Corvane.Toy");
    copy.Load(loaded);
    EXPECT_EQ(copy.Get("Value").I4(), 7);
}

} // namespace
