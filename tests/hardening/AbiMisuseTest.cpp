// A careless host against libcorvane.so, loaded through the registry as a real host loads it: null
// pointers, stale handles, calls from the wrong thread, bad text, records of the wrong shape,
// by-reference mix-ups and event sinks that fail or let go of the object. Every case has a defined
// outcome: an error number, kept as the thread's last error with a description, and no change.
#include "RegisteredLibraryTest.h"
#include "corvane/corvane.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace
{

constexpr const char *kClasses[] = {"Corvane.CQxCal",
                                    "Corvane.QxMonth",
                                    "Corvane.QxMonthVw",
                                    "Corvane.DateUpDown",
                                    "Corvane.TimeUpDown"};
constexpr const char *kControls[] = {"Corvane.QxMonth",
                                     "Corvane.QxMonthVw",
                                     "Corvane.DateUpDown",
                                     "Corvane.TimeUpDown"};
constexpr std::int32_t kAnyError = 0x7FFFFFFF;
constexpr double kJuly19 = 37456.0; // 2002-07-19

// A failed call: the expected number (or any), the same number as the thread's last error, and a
// description.
void ExpectFailure(std::int32_t rc, std::int32_t expected, const std::string &what)
{
    if (expected == kAnyError)
        EXPECT_NE(rc, 0) << what;
    else
        EXPECT_EQ(rc, expected) << what;
    EXPECT_EQ(corv_last_error(), rc) << what;
    EXPECT_STRNE(corv_last_error_message(), "") << what;
}

struct Case {
    const char *what;
    std::int32_t expected;
    std::function<std::int32_t()> call;
};

void ExpectFailures(const std::vector<Case> &cases)
{
    for (const Case &c : cases)
        ExpectFailure(c.call(), c.expected, c.what);
}

// The value a control's default member holds (its date), or NaN when it cannot be read.
double ValueOf(corv_object *object)
{
    corv_variant result;
    corv_variant_init(&result);
    if (corv_invoke(object, CORV_DISPID_VALUE, CORV_PROPERTY_GET, nullptr, 0, &result) != 0
        || result.type != CORV_VT_DATE)
        return std::nan("");
    return result.u.date;
}

std::int32_t PutValue(corv_object *object, corv_variant &value)
{
    return corv_invoke(object, CORV_DISPID_VALUE, CORV_PROPERTY_PUT, &value, 1, nullptr);
}

std::int32_t PutDate(corv_object *object, double date)
{
    corv_variant value;
    corv_variant_init(&value);
    corv_variant_set_date(&value, date);
    return PutValue(object, value);
}

int32_t NoopSink(void *, int32_t, corv_variant *, size_t)
{
    return 0;
}

class AbiMisuse : public RegisteredLibraryTest
{
protected:
    static corv_object *Create(const char *progid)
    {
        corv_object *object = nullptr;
        EXPECT_EQ(corv_create_object(progid, &object), 0) << progid << ": " << corv_last_error_message();
        return object;
    }

    // Every call on the handle fails with `expected`, says why (its message names `reason`) and
    // writes none of its outputs.
    static void ExpectEveryCallOnTheHandleFails(corv_object *object, std::int32_t expected, const char *reason)
    {
        corv_bag *bag = nullptr;
        ASSERT_EQ(corv_bag_create(&bag), 0);
        corv_variant v;
        corv_variant_init(&v);
        const corv_class_desc *cls = nullptr;
        std::uint32_t cookie = 0;
        void *window = nullptr;
        const char *name = "Refresh";
        std::int32_t id = 0;
        ExpectFailures({
            {"add_ref", expected, [&] { return corv_add_ref(object); }},
            {"release", expected, [&] { return corv_release(object); }},
            {"invoke", expected, [&] { return corv_invoke(object, 0, CORV_PROPERTY_GET, nullptr, 0, &v); }},
            {"object_class", expected, [&] { return corv_object_class(object, &cls); }},
            {"ids_of_names", expected, [&] { return corv_ids_of_names(object, &name, 1, &id); }},
            {"advise", expected, [&] { return corv_advise(object, NoopSink, nullptr, &cookie); }},
            {"unadvise", expected, [&] { return corv_unadvise(object, 1); }},
            {"init_new", expected, [&] { return corv_init_new(object); }},
            {"save", expected, [&] { return corv_save(object, bag); }},
            {"load", expected, [&] { return corv_load(object, bag); }},
            {"object_window", expected, [&] { return corv_object_window(object, &window); }},
        });
        EXPECT_NE(std::string(corv_last_error_message()).find(reason), std::string::npos);
        EXPECT_EQ(v.type, CORV_VT_EMPTY);
        EXPECT_EQ(window, nullptr);
        EXPECT_EQ(corv_bag_count(bag), 0u); // a refused save wrote nothing
        corv_bag_destroy(bag);
    }
};

} // namespace

TEST_F(AbiMisuse, NullPointersAreErrorsNeverCrashes)
{
    corv_object *object = Create("Corvane.QxMonth");
    ASSERT_NE(object, nullptr);
    corv_bag *bag = nullptr;
    ASSERT_EQ(corv_bag_create(&bag), 0);
    corv_variant v;
    corv_variant_init(&v);
    const corv_class_desc *cls = nullptr;
    const corv_type_library *lib = nullptr;
    std::uint32_t cookie = 0;
    std::int32_t id = 0;
    const char *key = nullptr;
    const char *nullName[] = {nullptr};
    const char *emptyName[] = {""};
    corv_object *out = nullptr;

    ExpectFailures({
        {"add_ref(NULL)", 424, [] { return corv_add_ref(nullptr); }},
        {"release(NULL)", 424, [] { return corv_release(nullptr); }},
        {"invoke(NULL)", 424, [&] { return corv_invoke(nullptr, 0, CORV_PROPERTY_GET, nullptr, 0, &v); }},
        {"object_class(NULL)", 424, [&] { return corv_object_class(nullptr, &cls); }},
        {"object_class(, NULL)", 5, [&] { return corv_object_class(object, nullptr); }},
        {"invoke with argc but no args", 5, [&] { return corv_invoke(object, 0, CORV_PROPERTY_PUT, nullptr, 1, &v); }},
        {"ids_of_names(, NULL names)", 5, [&] { return corv_ids_of_names(object, nullptr, 1, &id); }},
        {"ids_of_names(, NULL ids)", 5, [&] { return corv_ids_of_names(object, nullName, 1, nullptr); }},
        {"ids_of_names with a NULL name", 438, [&] { return corv_ids_of_names(object, nullName, 1, &id); }},
        {"ids_of_names with an empty name", 438, [&] { return corv_ids_of_names(object, emptyName, 1, &id); }},
        {"advise(, NULL sink)", 5, [&] { return corv_advise(object, nullptr, nullptr, &cookie); }},
        {"advise(, NULL cookie)", 5, [&] { return corv_advise(object, NoopSink, nullptr, nullptr); }},
        {"load(, NULL bag)", 424, [&] { return corv_load(object, nullptr); }},
        {"save(, NULL bag)", 424, [&] { return corv_save(object, nullptr); }},
        {"object_window(, NULL)", 5, [&] { return corv_object_window(object, nullptr); }},
        {"create_object(NULL)", 5, [&] { return corv_create_object(nullptr, &out); }},
        {"create_object(, NULL)", kAnyError, [&] { return corv_create_object("Corvane.CQxCal", nullptr); }},
        {"find_class(NULL)", kAnyError, [&] { return corv_find_class(nullptr, &cls); }},
        {"find_class(, NULL)", kAnyError, [&] { return corv_find_class("Corvane.CQxCal", nullptr); }},
        {"find_type_library(NULL)", 5, [&] { return corv_find_type_library(nullptr, &lib); }},
        {"find_type_library(, NULL)", 5, [&] { return corv_find_type_library("Corvane.CQxCal", nullptr); }},
        {"variant_copy(NULL,)", 5, [&] { return corv_variant_copy(nullptr, &v); }},
        {"variant_copy(, NULL)", 5, [&] { return corv_variant_copy(&v, nullptr); }},
        {"variant_set_string(, NULL)", kAnyError, [&] { return corv_variant_set_string(&v, nullptr); }},
        {"variant_set_string(NULL,)", kAnyError, [&] { return corv_variant_set_string(nullptr, "x"); }},
        {"variant_set_record(, NULL names)", kAnyError, [&] { return corv_variant_set_record(&v, "R", 2, nullptr); }},
        {"bag_create(NULL)", kAnyError, [] { return corv_bag_create(nullptr); }},
        {"bag_load_file(NULL,)", kAnyError, [] { return corv_bag_load_file(nullptr, "/nonexistent"); }},
        {"bag_load_file(, NULL)", 5, [&] { return corv_bag_load_file(bag, nullptr); }},
        {"bag_save_file(, NULL)", 5, [&] { return corv_bag_save_file(bag, nullptr); }},
        {"bag_read(, NULL key)", 5, [&] { return corv_bag_read(bag, nullptr, nullptr, &v); }},
        {"bag_read(, NULL out)", 5, [&] { return corv_bag_read(bag, "K", nullptr, nullptr); }},
        {"bag_write(, NULL value)", 5, [&] { return corv_bag_write(bag, "K", nullptr, nullptr); }},
        {"bag_entry past the end", kAnyError, [&] { return corv_bag_entry(bag, 99, &key, nullptr); }},
        {"registry_path(NULL)", 5, [] { return corv_registry_path(nullptr); }},
        {"register_library(NULL)", 5, [] { return corv_register_library(nullptr, nullptr); }},
    });
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(corv_bag_count(nullptr), 0u);
    // The void calls accept NULL and do nothing.
    corv_variant_init(nullptr);
    corv_variant_clear(nullptr);
    corv_variant_set_i4(nullptr, 1);
    corv_free(nullptr);
    corv_bag_destroy(nullptr);
    // After all that the object still answers.
    EXPECT_EQ(PutDate(object, kJuly19), 0);
    EXPECT_EQ(ValueOf(object), kJuly19);
    corv_bag_destroy(bag);
    EXPECT_EQ(corv_release(object), 0);
}

TEST_F(AbiMisuse, AReleasedHandleAnswersObjectRequiredAndLeavesOthersAlone)
{
    for (const char *progid : kClasses) {
        SCOPED_TRACE(progid);
        corv_object *survivor = Create(progid);
        corv_object *stale = Create(progid);
        ASSERT_NE(stale, nullptr);
        ASSERT_EQ(corv_release(stale), 0);
        ExpectEveryCallOnTheHandleFails(stale, 424, "released");
        // A stale handle inside an argument is refused too.
        corv_variant arg{};
        arg.type = CORV_VT_OBJECT;
        arg.u.obj = stale;
        ExpectFailure(corv_invoke(survivor, 0, CORV_PROPERTY_PUT, &arg, 1, nullptr), kAnyError, "stale argument");
        const corv_class_desc *cls = nullptr;
        EXPECT_EQ(corv_object_class(survivor, &cls), 0);
        EXPECT_EQ(corv_release(survivor), 0);
    }
}

TEST_F(AbiMisuse, CallsFromAnotherThreadAreRefusedAndChangeNothing)
{
    for (const char *progid : kClasses) {
        SCOPED_TRACE(progid);
        corv_object *object = Create(progid);
        ASSERT_NE(object, nullptr);
        std::thread([&] { ExpectEveryCallOnTheHandleFails(object, CORV_E_WRONG_THREAD, "thread"); }).join();
        // Still exactly one reference, held by this thread.
        EXPECT_EQ(corv_release(object), 0);
        EXPECT_EQ(corv_release(object), 424);
    }
}

TEST_F(AbiMisuse, ControlsCannotBeCreatedOffTheUserInterfaceThreadButTheCalendarCan)
{
    std::vector<std::int32_t> outcomes;
    std::int32_t fromElsewhere = 0, released = -1;
    std::thread([&] {
        for (const char *progid : kControls) {
            corv_object *object = nullptr;
            outcomes.push_back(corv_create_object(progid, &object));
            EXPECT_EQ(object, nullptr);
        }
        corv_object *calendar = nullptr;
        outcomes.push_back(corv_create_object("Corvane.CQxCal", &calendar));
        // It belongs to this thread: a third one may not use it.
        std::thread([&] {
            const corv_class_desc *cls = nullptr;
            fromElsewhere = corv_object_class(calendar, &cls);
        }).join();
        released = corv_release(calendar);
    }).join();
    EXPECT_EQ(outcomes, (std::vector<std::int32_t>{429, 429, 429, 429, 0}));
    EXPECT_EQ(fromElsewhere, CORV_E_WRONG_THREAD);
    EXPECT_EQ(released, 0);
}

TEST_F(AbiMisuse, TextThatIsNotUtf8IsRefusedAtTheBoundary)
{
    const std::string badTexts[] = {
        "\xC3\x28", // a lead byte without its continuation
        "\xA0\xA1", // continuations without a lead byte
        "\xE2\x28\xA1",
        "\xF0\x90\x28\xBC",
        "\xC0\xAF", // an overlong '/'
        "\xED\xA0\x80", // a UTF-16 surrogate
        "\xF4\x90\x80\x80", // past U+10FFFF
        "abc\xFF",
        "\xE6\x97", // a CJK character cut short
    };
    corv_object *picker = Create("Corvane.QxMonthVw");
    corv_object *month = Create("Corvane.QxMonth");
    ASSERT_EQ(PutDate(month, kJuly19), 0);
    corv_bag *bag = nullptr;
    ASSERT_EQ(corv_bag_create(&bag), 0);
    for (const std::string &bad : badTexts) {
        SCOPED_TRACE(testing::PrintToString(bad));
        corv_variant v;
        corv_variant_init(&v);
        corv_variant_set_i4(&v, 7);
        ExpectFailure(corv_variant_set_string(&v, bad.c_str()), 5, "set_string");
        EXPECT_EQ(v.type, CORV_VT_I4);

        // Built by hand, as a host that skips the helpers would.
        std::string copy = bad;
        corv_variant raw{};
        raw.type = CORV_VT_STRING;
        raw.u.str.data = copy.data();
        raw.u.str.length = copy.size();
        ExpectFailure(PutValue(month, raw), 5, "put");
        EXPECT_EQ(ValueOf(month), kJuly19);

        const char *name = bad.c_str();
        std::int32_t id = 0;
        ExpectFailure(corv_ids_of_names(picker, &name, 1, &id), 438, "ids_of_names");
        corv_variant one;
        corv_variant_init(&one);
        corv_variant_set_i4(&one, 1);
        ExpectFailure(corv_bag_write(bag, bad.c_str(), &one, nullptr), 5, "bag key");
    }
    EXPECT_EQ(corv_bag_count(bag), 0u);
    corv_bag_destroy(bag);
    EXPECT_EQ(corv_release(month), 0);
    EXPECT_EQ(corv_release(picker), 0);
}

TEST_F(AbiMisuse, RecordsOfTheWrongTypeOrShapeAreTypeMismatches)
{
    const corv::Object calendar = corv::Object::Create("Corvane.CQxCal");
    const std::int32_t toDate = calendar.IdOf("AgrDateToUniDate");
    const corv::Variant lunar = calendar.Call("GetAgrNumDate", corv::Variant::Date(kJuly19));
    ASSERT_EQ(lunar.RecordType(), "QxAgrDateNum");

    struct RecordCase {
        const char *what;
        corv::Variant record;
    };
    const RecordCase cases[] = {
        {"another record type", calendar.Call("GetAgrStrDate", corv::Variant::Date(kJuly19))},
        {"a field of the wrong type",
         corv::Variant::Record("QxAgrDateNum",
                               {{"AgrFactYear", "two thousand"},
                                {"AgrMonth", std::int16_t(6)},
                                {"AgrDay", std::int16_t(10)},
                                {"AgrIsLeep", false},
                                {"AgrMonthBound", std::int16_t(0)}})},
        {"an unknown record type", corv::Variant::Record("Nothing", {{"X", std::int16_t(1)}})},
        {"a date instead of a record", corv::Variant::Date(kJuly19)},
    };
    for (const RecordCase &c : cases) {
        SCOPED_TRACE(c.what);
        corv::Variant target = c.record;
        corv::Variant arg = corv::Variant::Ref(target);
        corv_variant result;
        corv_variant_init(&result);
        ExpectFailure(corv_invoke(calendar.get(), toDate, CORV_METHOD, arg.get(), 1, &result), 13, c.what);
        EXPECT_EQ(result.type, CORV_VT_EMPTY);
        EXPECT_EQ(target.Type(), c.record.Type()); // the caller's variable is left alone
    }
    // A record where a date belongs.
    corv_object *month = Create("Corvane.QxMonth");
    ASSERT_EQ(PutDate(month, kJuly19), 0);
    corv::Variant record = lunar;
    ExpectFailure(PutValue(month, *record.get()), 13, "record as the date");
    EXPECT_EQ(ValueOf(month), kJuly19);
    EXPECT_EQ(corv_release(month), 0);
}

TEST_F(AbiMisuse, ByReferenceParametersTakePlainValuesAndPlainParametersTakeReferences)
{
    const corv::Object calendar = corv::Object::Create("Corvane.CQxCal");
    const std::int32_t toDate = calendar.IdOf("AgrDateToUniDate");
    corv::Variant lunar = calendar.Call("GetAgrNumDate", corv::Variant::Date(kJuly19));

    // By value where a reference is declared: the value is read, nothing is written back.
    const corv::Variant byValue = calendar.Invoke(toDate, CORV_METHOD, std::span<corv::Variant>(&lunar, 1));
    EXPECT_EQ(byValue.Date(), kJuly19);
    EXPECT_EQ(lunar.RecordType(), "QxAgrDateNum");
    corv::Variant ref = corv::Variant::Ref(lunar);
    EXPECT_EQ(calendar.Invoke(toDate, CORV_METHOD, std::span<corv::Variant>(&ref, 1)).Date(), kJuly19);

    // A reference where a value is declared: the target is read and left as it was.
    corv_object *month = Create("Corvane.QxMonth");
    corv_variant target;
    corv_variant_init(&target);
    corv_variant_set_r8(&target, kJuly19 + 3);
    corv_variant arg;
    corv_variant_init(&arg);
    corv_variant_set_ref(&arg, &target);
    EXPECT_EQ(PutValue(month, arg), 0) << corv_last_error_message();
    EXPECT_EQ(ValueOf(month), kJuly19 + 3);
    EXPECT_EQ(target.type, CORV_VT_R8);

    // A reference to a reference, and one to nothing, are not references a host can make.
    corv_variant outer;
    corv_variant_init(&outer);
    corv_variant_set_ref(&outer, &arg);
    ExpectFailure(PutValue(month, outer), kAnyError, "reference to a reference");
    corv_variant_set_ref(&outer, nullptr);
    ExpectFailure(PutValue(month, outer), 5, "reference to nothing");
    EXPECT_EQ(ValueOf(month), kJuly19 + 3);
    EXPECT_EQ(corv_release(month), 0);
}

namespace
{

struct SinkLog {
    std::vector<std::int32_t> ids;
    corv_object *toRelease = nullptr;
};

int32_t FailingSink(void *, int32_t, corv_variant *, size_t)
{
    return 13;
}

int32_t RecordingSink(void *user, int32_t dispid, corv_variant *, size_t)
{
    auto &log = *static_cast<SinkLog *>(user);
    log.ids.push_back(dispid);
    if (corv_object *object = std::exchange(log.toRelease, nullptr))
        corv_release(object);
    return 0;
}

} // namespace

TEST_F(AbiMisuse, SinksThatFailOrThrowDoNotStopTheOthersNorTheCall)
{
    for (const char *progid : kControls) {
        SCOPED_TRACE(progid);
        corv::Object control = corv::Object::Create(progid);
        // The events of one change with a single sink, then of the same change with failing sinks
        // ahead of it.
        ASSERT_EQ(PutDate(control.get(), kJuly19), 0);
        SinkLog alone;
        std::uint32_t cookie = 0;
        ASSERT_EQ(corv_advise(control.get(), RecordingSink, &alone, &cookie), 0);
        ASSERT_EQ(PutDate(control.get(), kJuly19 + 1.25), 0);
        ASSERT_EQ(corv_unadvise(control.get(), cookie), 0);
        ASSERT_EQ(PutDate(control.get(), kJuly19), 0);

        const corv::Connection throwing = control.Advise(
            [](std::int32_t, std::span<corv::Variant>) { throw std::runtime_error("host sink failure"); });
        std::uint32_t failing = 0;
        ASSERT_EQ(corv_advise(control.get(), FailingSink, nullptr, &failing), 0);
        SinkLog behind;
        ASSERT_EQ(corv_advise(control.get(), RecordingSink, &behind, &cookie), 0);
        EXPECT_EQ(PutDate(control.get(), kJuly19 + 1.25), 0) << corv_last_error_message();
        EXPECT_EQ(behind.ids, alone.ids);
        EXPECT_FALSE(alone.ids.empty());
    }
}

TEST_F(AbiMisuse, ASinkMayReleaseTheLastReferenceWhileAnEventIsRaised)
{
    // Raised from inside a call.
    for (const char *progid : kControls) {
        SCOPED_TRACE(progid);
        corv_object *control = Create(progid);
        SinkLog log{{}, control};
        std::uint32_t cookie = 0;
        ASSERT_EQ(corv_advise(control, RecordingSink, &log, &cookie), 0);
        EXPECT_EQ(PutDate(control, kJuly19), 0) << corv_last_error_message();
        ASSERT_FALSE(log.ids.empty()) << "the put raised no event";
        EXPECT_EQ(log.toRelease, nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ExpectFailure(corv_add_ref(control), 424, "after the call the object is gone");
    }

    // Raised by user input in the grid: the key handler runs on after the sink has let go.
    corv_object *month = Create("Corvane.QxMonth");
    ASSERT_EQ(PutDate(month, kJuly19), 0);
    void *window = nullptr;
    ASSERT_EQ(corv_object_window(month, &window), 0);
    auto *surface = static_cast<QWidget *>(window);
    surface->show();
    QWidget *grid = surface->findChild<QWidget *>(QStringLiteral("PicMonth"));
    ASSERT_NE(grid, nullptr);
    const QPointer<QWidget> watch(surface);
    SinkLog log{{}, month};
    std::uint32_t cookie = 0;
    ASSERT_EQ(corv_advise(month, RecordingSink, &log, &cookie), 0);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(grid, &right);
    EXPECT_EQ(log.ids.size(), 2u); // KeyDown, then Change to a sink whose object is going
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull()) << "the control's window goes with it";
    ExpectFailure(corv_add_ref(month), 424, "after the key the object is gone");
}
