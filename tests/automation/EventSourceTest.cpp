#include "platform/automation/AutomationError.h"
#include "toy/ToyClasses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace corvane;
using toy::CToy;

namespace
{

Variant Fire(AutomationObject &object, const char *text)
{
    std::vector<Variant> args{Variant(text)};
    Variant result;
    object.Invoke(toy::kFire, InvokeKind::Method, args, result);
    return result;
}

TEST(EventSource, SinksHearEachRaiseInAdviseOrderAndWriteBackByReference)
{
    ObjectPtr<CToy> toy = MakeObject<CToy>();
    std::vector<std::string> heard;
    toy->Advise(MakeEventSink([&](DispId id, std::span<Variant> args) {
        ASSERT_EQ(id, toy::kPing);
        heard.push_back("first saw " + args[0].AsString());
        args[0].Assign(Variant(args[0].AsString() + "+1"));
    }));
    toy->Advise(MakeEventSink([&](DispId, std::span<Variant> args) {
        heard.push_back("second saw " + args[0].AsString());
        args[0].Assign(Variant(args[0].AsString() + "+2"));
    }));
    EXPECT_EQ(Fire(*toy, "x"), Variant("x+1+2"));
    EXPECT_EQ(heard, (std::vector<std::string>{"first saw x", "second saw x+1"}));
}

TEST(EventSource, AWriteThatCannotBeConvertedFailsOnlyThatSink)
{
    ObjectPtr<CToy> toy = MakeObject<CToy>();
    int later = 0;
    toy->Advise(MakeEventSink([](DispId, std::span<Variant> args) { args[1].Assign(Variant("not a bool")); }));
    toy->Advise(MakeEventSink([&](DispId, std::span<Variant>) { ++later; }));
    EXPECT_EQ(Fire(*toy, "x"), Variant("x")); // Cancel kept its type and value
    EXPECT_EQ(later, 1);
}

TEST(EventSource, AFailingSinkIsReportedAndTheOthersStillHear)
{
    Variant text("t");
    Variant cancel(false);
    const Variant args[] = {Variant::Ref(text), Variant::Ref(cancel)};
    ObjectPtr<CToy> toy = MakeObject<CToy>();
    int calls = 0;
    toy->Advise(MakeEventSink([&](DispId, std::span<Variant> a) {
        ++calls;
        a[1].Assign(Variant(true));
        throw AutomationError(ErrorNumber::InvalidCall, "sink refused");
    }));
    toy->Advise(MakeEventSink([&](DispId, std::span<Variant>) {
        ++calls;
        throw std::runtime_error("boom");
    }));
    toy->Advise(MakeEventSink([&](DispId, std::span<Variant>) { ++calls; }));
    const RaiseResult result = toy->RaiseEvent(toy::kPing, args);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(result.delivered, 1u);
    EXPECT_EQ(result.failed, 2u);
    ASSERT_TRUE(result.firstError);
    EXPECT_EQ(result.firstError->number(), 5);
    EXPECT_EQ(result.firstError->description(), "sink refused");
    EXPECT_EQ(cancel, Variant(true)); // what the failing sink wrote before failing stays
}

TEST(EventSource, ASinkThatReplacesAnArgumentDoesNotChangeWhatTheNextSinkSees)
{
    ObjectPtr<CToy> toy = MakeObject<CToy>();
    std::string second;
    toy->Advise(MakeEventSink([](DispId, std::span<Variant> args) { args[0] = Variant("replaced slot"); }));
    toy->Advise(MakeEventSink([&](DispId, std::span<Variant> args) { second = args[0].AsString(); }));
    EXPECT_EQ(Fire(*toy, "orig"), Variant("orig"));
    EXPECT_EQ(second, "orig");
}

TEST(EventSource, UnadvisingDuringARaiseStopsDeliveryAtOnce)
{
    ObjectPtr<CToy> toy = MakeObject<CToy>();
    std::vector<int> calls;
    EventCookie second = 0;
    EventCookie first = 0;
    first = toy->Advise(MakeEventSink([&](DispId, std::span<Variant>) {
        calls.push_back(1);
        toy->Unadvise(first); // itself
        toy->Unadvise(second); // a sink not yet called
    }));
    second = toy->Advise(MakeEventSink([&](DispId, std::span<Variant>) { calls.push_back(2); }));
    toy->Advise(MakeEventSink([&](DispId, std::span<Variant>) { calls.push_back(3); }));
    Fire(*toy, "x");
    Fire(*toy, "x");
    EXPECT_EQ(calls, (std::vector<int>{1, 3, 3}));
    EXPECT_EQ(toy->SinkCount(), 1u);
}

TEST(EventSource, ASinkAdvisedDuringARaiseHearsOnlyTheNextOne)
{
    ObjectPtr<CToy> toy = MakeObject<CToy>();
    int late = 0;
    bool added = false;
    toy->Advise(MakeEventSink([&](DispId, std::span<Variant>) {
        if (!added) {
            added = true;
            toy->Advise(MakeEventSink([&](DispId, std::span<Variant>) { ++late; }));
        }
    }));
    Fire(*toy, "x");
    EXPECT_EQ(late, 0);
    Fire(*toy, "x");
    EXPECT_EQ(late, 1);
}

TEST(EventSource, ReleasingTheLastReferenceDuringARaiseIsSafe)
{
    // Run under AddressSanitizer, a use after free here is a failure.
    ObjectPtr<CToy> toy = MakeObject<CToy>();
    CToy *raw = toy.get();
    int after = 0;
    raw->Advise(MakeEventSink([&](DispId, std::span<Variant>) { toy = nullptr; }));
    raw->Advise(MakeEventSink([&](DispId, std::span<Variant>) { ++after; }));
    Variant result;
    std::vector<Variant> args{Variant("x")};
    {
        const ObjectPtr<CToy> caller(raw); // the invoker's own reference, as the C ABI holds one
        raw->Invoke(toy::kFire, InvokeKind::Method, args, result);
        EXPECT_EQ(raw->RefCount(), 1u);
    }
    EXPECT_EQ(after, 1);
    EXPECT_EQ(result, Variant("x"));
}

TEST(EventSource, AdviseAndUnadviseRefuseNonsense)
{
    ObjectPtr<CToy> toy = MakeObject<CToy>();
    EXPECT_THROW(toy->Advise(nullptr), AutomationError);
    const EventCookie cookie = toy->Advise(MakeEventSink([](DispId, std::span<Variant>) {}));
    EXPECT_NE(cookie, 0u);
    toy->Unadvise(cookie);
    EXPECT_THROW(toy->Unadvise(cookie), AutomationError);
    // An undeclared event or a wrong argument count is the raiser's bug.
    EXPECT_THROW(toy->RaiseEvent(99, {}), std::logic_error);
    EXPECT_THROW(toy->RaiseEvent(toy::kPing, {}), std::logic_error);
}

} // namespace
