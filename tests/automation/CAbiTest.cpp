// The C ABI as a host sees it: the test library is loaded through the registry, never linked.
#include "ScopedEnv.h"
#include "TempDir.h"
#include "platform/automation/AbiObject.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Utf8.h"

#include "corvane/corvane.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace
{

// CToy's dispatch ids, as a host would learn them from the member list.
constexpr int32_t kGreeting = 1, kSelf = 3, kAdd = 0x10, kSplitDate = 0x11, kJoinParts = 0x12, kScale = 0x13,
                  kFire = 0x14, kFail = 0x15, kPing = 1;

std::string Text(const corv_variant &v)
{
    return v.type == CORV_VT_STRING ? std::string(v.u.str.data, v.u.str.length) : "<not a string>";
}

class CAbi : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(corv_register_library(CORVANE_TOY_LIBRARY, nullptr), 0) << corv_last_error_message();
        ASSERT_EQ(corv_create_object("Corvane.Toy", &toy), 0) << corv_last_error_message();
    }
    void TearDown() override
    {
        if (toy) {
            EXPECT_EQ(corv_release(toy), 0);
        }
    }

    int32_t Invoke(int32_t id, int32_t kind, std::vector<corv_variant> &args, corv_variant *result)
    {
        return corv_invoke(toy, id, kind, args.data(), args.size(), result);
    }

    TempDir dir;
    ScopedEnv registry{"CORVANE_REGISTRY", (dir / "registry").c_str()};
    corv_object *toy = nullptr;
};

TEST_F(CAbi, CreatesByProgIdAndCallsMembersByDispatchId)
{
    const char *names[] = {"add", "GREETING"};
    int32_t ids[2] = {};
    ASSERT_EQ(corv_ids_of_names(toy, names, 2, ids), 0);
    EXPECT_EQ(ids[0], kAdd);
    EXPECT_EQ(ids[1], kGreeting);

    std::vector<corv_variant> args(2);
    corv_variant_set_i2(&args[0], 40);
    corv_variant_set_r8(&args[1], 2.4);
    corv_variant result;
    corv_variant_init(&result);
    ASSERT_EQ(Invoke(kAdd, CORV_METHOD, args, &result), 0) << corv_last_error_message();
    EXPECT_EQ(result.type, CORV_VT_I4);
    EXPECT_EQ(result.u.i4, 42);

    std::vector<corv_variant> value(1);
    ASSERT_EQ(corv_variant_set_string(&value[0], "壬午年"), 0);
    ASSERT_EQ(Invoke(kGreeting, CORV_PROPERTY_PUT, value, nullptr), 0);
    std::vector<corv_variant> none;
    ASSERT_EQ(Invoke(kGreeting, CORV_METHOD | CORV_PROPERTY_GET, none, &result), 0);
    EXPECT_EQ(Text(result), "壬午年");
    EXPECT_EQ(value[0].type, CORV_VT_STRING); // arguments keep their values
    corv_variant_clear(&value[0]);
    corv_variant_clear(&result);
}

TEST_F(CAbi, FailuresComeBackAsNumbersWithMessagesKeptPerThread)
{
    std::vector<corv_variant> none;
    corv_variant result;
    corv_variant_init(&result);
    EXPECT_EQ(Invoke(0x7777, CORV_METHOD, none, &result), 438);
    EXPECT_EQ(corv_last_error(), 438);
    EXPECT_NE(std::string(corv_last_error_message()).find("Object doesn't support this property or method"),
              std::string::npos);

    std::vector<corv_variant> args(1);
    corv_variant_set_i4(&args[0], 9);
    EXPECT_EQ(Invoke(kFail, CORV_METHOD, args, &result), 9);
    EXPECT_STREQ(corv_last_error_message(), "Toy failure 9");
    EXPECT_EQ(result.type, CORV_VT_EMPTY);

    // Another thread has its own last error; this one's survives.
    std::thread([] {
        EXPECT_EQ(corv_last_error(), 0);
        EXPECT_STREQ(corv_last_error_message(), "");
    }).join();
    EXPECT_EQ(corv_last_error(), 9);

    // A success clears it.
    EXPECT_EQ(Invoke(kAdd, CORV_METHOD, args, &result), 0);
    EXPECT_EQ(corv_last_error(), 0);
    EXPECT_STREQ(corv_last_error_message(), "");
}

// Null handles and pointers and text that is not UTF-8 are the careless-host tests' (AbiMisuse).
TEST_F(CAbi, MalformedCallsAreErrorsNotCrashes)
{
    corv_variant result;
    corv_variant_init(&result);
    EXPECT_EQ(corv_invoke(toy, kAdd, 0, nullptr, 0, &result), 5);

    std::vector<corv_variant> args(1);
    args[0].type = 77; // no such type
    EXPECT_EQ(Invoke(kAdd, CORV_METHOD, args, &result), 13);
    args[0] = corv_variant{};
    corv_variant_set_ref(&args[0], nullptr);
    EXPECT_EQ(Invoke(kAdd, CORV_METHOD, args, &result), 5);
    EXPECT_EQ(result.type, CORV_VT_EMPTY);
}

TEST_F(CAbi, CreationFailuresAreDistinguished)
{
    {
        std::ofstream out(dir / "registry", std::ios::app);
        out << "Test.Absent CAbsent " << (dir / "absent.so").string() << "\n";
        out << "Test.NoEntry CNoEntry " << CORVANE_NOENTRY_LIBRARY << "\n";
    }
    corv_object *object = nullptr;
    EXPECT_EQ(corv_create_object("Test.Unknown", &object), 429);
    EXPECT_NE(std::string(corv_last_error_message()).find("Test.Unknown is not registered"), std::string::npos);
    EXPECT_EQ(corv_create_object("Test.Absent", &object), 53);
    EXPECT_EQ(corv_create_object("Test.NoEntry", &object), 453);
    EXPECT_EQ(object, nullptr);
    // ProgIDs ignore case.
    ASSERT_EQ(corv_create_object("CORVANE.TOYTWIN", &object), 0);
    EXPECT_EQ(corv_release(object), 0);
}

TEST_F(CAbi, ByReferenceArgumentsAreWrittenBackInTheirOwnType)
{
    corv_variant value;
    corv_variant_init(&value);
    corv_variant_set_r8(&value, 2.5);
    std::vector<corv_variant> args(2);
    corv_variant_set_i4(&args[0], 4);
    corv_variant_set_ref(&args[1], &value);
    ASSERT_EQ(Invoke(kScale, CORV_METHOD, args, nullptr), 0) << corv_last_error_message();
    EXPECT_EQ(value.type, CORV_VT_R8);
    EXPECT_EQ(value.u.r8, 10.0);
}

TEST_F(CAbi, RecordsTravelWithTypeNameAndFieldNames)
{
    std::vector<corv_variant> args(1);
    corv_variant_set_date(&args[0], 37456);
    corv_variant result;
    corv_variant_init(&result);
    ASSERT_EQ(Invoke(kSplitDate, CORV_METHOD, args, &result), 0);
    ASSERT_EQ(result.type, CORV_VT_RECORD);
    EXPECT_STREQ(result.u.rec.type_name, "ToyParts");
    ASSERT_EQ(result.u.rec.count, 5u);
    const char *expectedNames[] = {"Year", "Month", "Day", "Weekday", "DayOfYear"};
    const int16_t expectedValues[] = {2002, 7, 19, 6, 200};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_STREQ(result.u.rec.fields[i].name, expectedNames[i]);
        EXPECT_EQ(result.u.rec.fields[i].value.type, CORV_VT_I2);
        EXPECT_EQ(result.u.rec.fields[i].value.u.i2, expectedValues[i]);
    }

    // Back by reference, built by the host; the by-reference record is not written.
    corv_variant parts;
    corv_variant_init(&parts);
    const char *names[] = {"Year", "Month", "Day"};
    ASSERT_EQ(corv_variant_set_record(&parts, "ToyParts", 3, names), 0);
    corv_variant_set_i2(&parts.u.rec.fields[0].value, 2001);
    corv_variant_set_i2(&parts.u.rec.fields[1].value, 4);
    corv_variant_set_i2(&parts.u.rec.fields[2].value, 1);
    corv_variant_set_ref(&args[0], &parts);
    ASSERT_EQ(Invoke(kJoinParts, CORV_METHOD, args, &result), 0) << corv_last_error_message();
    EXPECT_EQ(result.type, CORV_VT_DATE);
    EXPECT_EQ(result.u.date, 36982);
    EXPECT_EQ(parts.u.rec.count, 3u);
    corv_variant_clear(&parts);
    corv_variant_clear(&result);
}

TEST_F(CAbi, ObjectResultsAreHandlesToTheSameObject)
{
    std::vector<corv_variant> none;
    corv_variant self;
    corv_variant_init(&self);
    ASSERT_EQ(Invoke(kSelf, CORV_PROPERTY_GET, none, &self), 0);
    ASSERT_EQ(self.type, CORV_VT_OBJECT);
    EXPECT_EQ(self.u.obj, toy);
    corv_variant_clear(&self); // gives back the reference the result held
}

struct SinkLog {
    std::vector<std::string> calls;
    int32_t fail = 0;
};

int32_t AppendingSink(void *user, int32_t dispid, corv_variant *args, size_t argc)
{
    auto *log = static_cast<SinkLog *>(user);
    if (dispid != kPing || argc != 2 || !(args[0].flags & CORV_VF_BYREF))
        return 5;
    const std::string seen = Text(*args[0].u.ref);
    log->calls.push_back(seen);
    if (corv_variant_set_string(args[0].u.ref, (seen + "!").c_str()) != 0)
        return 5;
    return log->fail;
}

int32_t CancellingSink(void *, int32_t, corv_variant *args, size_t)
{
    corv_variant_set_i4(args[1].u.ref, 1); // an I4 into the Bool: converted back to Bool
    return 0;
}

int32_t BadWriteSink(void *, int32_t, corv_variant *args, size_t)
{
    corv_variant_set_string(args[1].u.ref, "not a bool");
    return 0;
}

TEST_F(CAbi, EventSinksWriteByReferenceArgumentsBackToTheRaiser)
{
    SinkLog first, second;
    uint32_t c1 = 0, c2 = 0;
    ASSERT_EQ(corv_advise(toy, AppendingSink, &first, &c1), 0);
    ASSERT_EQ(corv_advise(toy, AppendingSink, &second, &c2), 0);
    EXPECT_NE(c1, c2);

    std::vector<corv_variant> args(1);
    corv_variant_set_string(&args[0], "hi");
    corv_variant result;
    corv_variant_init(&result);
    ASSERT_EQ(Invoke(kFire, CORV_METHOD, args, &result), 0) << corv_last_error_message();
    EXPECT_EQ(Text(result), "hi!!");
    EXPECT_EQ(first.calls, std::vector<std::string>{"hi"});
    EXPECT_EQ(second.calls, std::vector<std::string>{"hi!"});

    uint32_t c3 = 0;
    ASSERT_EQ(corv_advise(toy, CancellingSink, nullptr, &c3), 0);
    ASSERT_EQ(Invoke(kFire, CORV_METHOD, args, &result), 0);
    EXPECT_EQ(Text(result), "cancelled");
    EXPECT_EQ(corv_unadvise(toy, c3), 0);
    EXPECT_EQ(corv_unadvise(toy, c3), 5);

    // A sink that fails, or writes what cannot be converted back, does not stop the others.
    first.fail = 13;
    uint32_t c4 = 0;
    ASSERT_EQ(corv_advise(toy, BadWriteSink, nullptr, &c4), 0);
    ASSERT_EQ(Invoke(kFire, CORV_METHOD, args, &result), 0);
    EXPECT_EQ(Text(result), "hi!!");
    EXPECT_EQ(second.calls.size(), 3u);
    corv_variant_clear(&args[0]);
    corv_variant_clear(&result);
}

TEST_F(CAbi, AnotherLibrarysObjectIsInvokedThroughAProxy)
{
    // This test program has its own copy of the runtime, so the test library's object is foreign
    // to it, as one library's font object would be to another.
    const corvane::ObjectHandle proxy = corvane::abi::ObjectFromHandle(toy);
    ASSERT_EQ(corvane::AutomationObject::FromAbiHandle(toy), nullptr);
    corvane::Variant value(2.5);
    std::vector<corvane::Variant> args{corvane::Variant(4), corvane::Variant::Ref(value)};
    corvane::Variant result;
    proxy->Invoke(kScale, corvane::InvokeKind::Method, args, result);
    EXPECT_EQ(value, corvane::Variant(10.0));

    std::vector<corvane::Variant> fail{corvane::Variant(6)};
    try {
        proxy->Invoke(kFail, corvane::InvokeKind::Method, fail, result);
        ADD_FAILURE();
    } catch (const corvane::AutomationError &e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.description(), "Toy failure 6");
    }
    // Handing the proxy back out gives the original handle.
    corv_object *shared = corvane::abi::ShareHandle(*proxy);
    EXPECT_EQ(shared, toy);
    EXPECT_EQ(corv_release(shared), 0);
}

const corv_member_desc *FindMember(const corv_class_desc &cls, const char *name, int32_t kind)
{
    for (size_t i = 0; i < cls.member_count; ++i)
        if (std::strcmp(cls.members[i].name, name) == 0 && cls.members[i].kind == kind)
            return &cls.members[i];
    return nullptr;
}

TEST_F(CAbi, MembersAndEventsCanBeListedWithoutAnObject)
{
    const corv_class_desc *cls = nullptr;
    ASSERT_EQ(corv_find_class("Corvane.Toy", &cls), 0) << corv_last_error_message();
    EXPECT_STREQ(cls->name, "CToy");
    const corv_member_desc *add = FindMember(*cls, "Add", CORV_METHOD);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->dispid, kAdd);
    EXPECT_EQ(add->type, CORV_VT_I4);
    ASSERT_EQ(add->param_count, 2u);
    EXPECT_STREQ(add->params[1].name, "B");
    EXPECT_EQ(add->params[1].optional, 1);
    EXPECT_STREQ(add->help, "Adds two numbers; B defaults to 0.");
    const corv_member_desc *join = FindMember(*cls, "JoinParts", CORV_METHOD);
    ASSERT_NE(join, nullptr);
    EXPECT_EQ(join->params[0].byref, 1);
    EXPECT_STREQ(join->params[0].type_name, "ToyParts");
    EXPECT_NE(FindMember(*cls, "Secret", CORV_PROPERTY_PUT), nullptr);
    EXPECT_EQ(FindMember(*cls, "Secret", CORV_PROPERTY_GET), nullptr);

    ASSERT_EQ(cls->event_count, 2u);
    EXPECT_STREQ(cls->events[0].name, "Ping");
    EXPECT_EQ(cls->events[0].kind, CORV_EVENT);
    EXPECT_EQ(cls->events[0].params[1].type, CORV_VT_BOOL);
    EXPECT_EQ(cls->events[0].params[1].byref, 1);

    // An object answers with the same description.
    const corv_class_desc *fromObject = nullptr;
    ASSERT_EQ(corv_object_class(toy, &fromObject), 0);
    EXPECT_EQ(fromObject, cls);
    EXPECT_EQ(corv_find_class("Test.Unknown", &cls), 429);
}

// A host learns what an enumeration-typed member takes, and the class's identities, from the library's
// type library, without creating an object.
TEST_F(CAbi, TheTypeLibraryPublishesEnumerationsAndIdentities)
{
    const corv_type_library *lib = nullptr;
    ASSERT_EQ(corv_find_type_library("corvane.TOY", &lib), 0) << corv_last_error_message();
    ASSERT_NE(lib, nullptr);
    ASSERT_EQ(lib->enum_count, 1u);
    const corv_enum_desc &shade = lib->enums[0];
    const corv_class_desc *cls = nullptr;
    ASSERT_EQ(corv_find_class("Corvane.Toy", &cls), 0);
    const corv_member_desc *member = FindMember(*cls, "Shade", CORV_PROPERTY_GET);
    ASSERT_NE(member, nullptr);
    EXPECT_STREQ(member->type_name, shade.name);
    ASSERT_EQ(shade.member_count, 2u);
    EXPECT_STREQ(shade.members[1].name, "Dark Grey");
    EXPECT_EQ(shade.members[1].value, 7);
    EXPECT_STREQ(shade.uuid, "{0D6F3C7E-5B1A-4E27-9C44-2A1B3C4D5E6F}");

    // CToyTwin publishes no identities.
    ASSERT_EQ(lib->class_count, 1u);
    EXPECT_STREQ(lib->classes[0].progid, "Corvane.Toy");
    EXPECT_STREQ(lib->classes[0].class_name, "Toy");
    EXPECT_STREQ(lib->classes[0].interface_name, cls->name);
    EXPECT_STREQ(lib->classes[0].events_name, "CToyEvents");
    EXPECT_STREQ(lib->classes[0].events_uuid, "{6A0E2B3C-1D4F-4A5B-8C6D-7E8F9A0B1C2F}");

    // The same library answers every one of its ProgIDs with the same table.
    const corv_type_library *again = nullptr;
    ASSERT_EQ(corv_find_type_library("Corvane.ToyTwin", &again), 0);
    EXPECT_EQ(again, lib);

    static const corv_type_library kStale{};
    lib = &kStale;
    EXPECT_EQ(corv_find_type_library("Test.Unknown", &lib), 429);
    EXPECT_EQ(lib, nullptr);
    EXPECT_EQ(corv_find_type_library("Corvane.Toy", nullptr), 5);
}

// A library built before the type library entry still loads and lists its classes; asking it for a
// type library is error 438, not a read past its table.
TEST_F(CAbi, ALibraryWithAnOlderTableHasNoTypeLibrary)
{
    ASSERT_EQ(corv_register_library(CORVANE_OLDTABLE_LIBRARY, nullptr), 0) << corv_last_error_message();
    const corv_class_desc *cls = nullptr;
    ASSERT_EQ(corv_find_class("Corvane.Old", &cls), 0) << corv_last_error_message();
    EXPECT_STREQ(cls->name, "COld");
    static const corv_type_library kStale{};
    const corv_type_library *lib = &kStale;
    EXPECT_EQ(corv_find_type_library("Corvane.Old", &lib), CORV_E_NO_SUCH_MEMBER);
    EXPECT_EQ(lib, nullptr);
    EXPECT_NE(std::string(corv_last_error_message()).find("publishes no type library"), std::string::npos);
}

TEST_F(CAbi, ObjectsSaveToAndLoadFromPropertyBags)
{
    std::vector<corv_variant> value(1);
    corv_variant_set_string(&value[0], "你好");
    ASSERT_EQ(Invoke(kGreeting, CORV_PROPERTY_PUT, value, nullptr), 0);
    corv_variant_clear(&value[0]);

    corv_bag *bag = nullptr;
    ASSERT_EQ(corv_bag_create(&bag), 0);
    corv_variant stale;
    corv_variant_init(&stale);
    corv_variant_set_i4(&stale, 1);
    ASSERT_EQ(corv_bag_write(bag, "Stale", &stale, nullptr), 0);
    ASSERT_EQ(corv_save(toy, bag), 0);
    ASSERT_EQ(corv_bag_count(bag), 1u); // only what differs from the defaults, the stale key gone
    const char *key = nullptr;
    ASSERT_EQ(corv_bag_entry(bag, 0, &key, nullptr), 0);
    EXPECT_STREQ(key, "Greeting");
    const std::string path = (dir / "toy.bag").string();
    ASSERT_EQ(corv_bag_save_file(bag, path.c_str()), 0);
    corv_bag_destroy(bag);

    corv_bag *loaded = nullptr;
    ASSERT_EQ(corv_bag_create(&loaded), 0);
    ASSERT_EQ(corv_bag_load_file(loaded, path.c_str()), 0);
    corv_object *copy = nullptr;
    ASSERT_EQ(corv_create_object("Corvane.Toy", &copy), 0);
    ASSERT_EQ(corv_load(copy, loaded), 0);
    corv_variant greeting;
    corv_variant_init(&greeting);
    ASSERT_EQ(corv_invoke(copy, kGreeting, CORV_PROPERTY_GET, nullptr, 0, &greeting), 0);
    EXPECT_EQ(Text(greeting), "你好");
    ASSERT_EQ(corv_init_new(copy), 0);
    ASSERT_EQ(corv_invoke(copy, kGreeting, CORV_PROPERTY_GET, nullptr, 0, &greeting), 0);
    EXPECT_EQ(Text(greeting), "Hello");
    corv_variant_clear(&greeting);
    EXPECT_EQ(corv_release(copy), 0);

    // A malformed file leaves the bag as it was.
    {
        std::ofstream out(dir / "bad.bag");
        out << "Greeting = \"fine\"\nValue = i4:\n";
    }
    EXPECT_EQ(corv_bag_load_file(loaded, (dir / "bad.bag").c_str()), 321);
    EXPECT_NE(std::string(corv_last_error_message()).find("line 2"), std::string::npos);
    EXPECT_EQ(corv_bag_count(loaded), 1u);
    corv_bag_destroy(loaded);
}

TEST_F(CAbi, ErrorMessagesQuotingAHostsTextAreValidUtf8)
{
    std::ofstream(dir / "registry", std::ios::app) << "Corvane.Bad CBad /no\xFFwhere.so\n";
    corv_object *object = nullptr;
    corv_bag *bag = nullptr;
    ASSERT_EQ(corv_bag_create(&bag), 0);
    corv_variant one;
    corv_variant_init(&one);
    corv_variant_set_i4(&one, 1);
    const char *badName = "Na\xC3me";
    int32_t id = 0;
    struct Case {
        const char *what;
        std::function<int32_t()> call;
        int32_t error;
        const char *quoted;
    };
    const Case cases[] = {
        {"ProgID", [&] { return corv_create_object("Bad\xFF.ProgID", &object); }, 429, "Bad\\xff.ProgID"},
        {"member name", [&] { return corv_ids_of_names(toy, &badName, 1, &id); }, 438, "CToy.Na\\xc3me"},
        {"bag key", [&] { return corv_bag_write(bag, "K\xFE\n", &one, nullptr); }, 5, "\"K\\xfe\\n\""},
        {"registry entry", [&] { return corv_create_object("Corvane.Bad", &object); }, 53, "/no\\xffwhere.so"},
        {"file path", [&] { return corv_bag_load_file(bag, "/no/such\xE4.bag"); }, 53, "/no/such\\xe4.bag"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.call(), c.error) << c.what;
        const std::string message = corv_last_error_message();
        EXPECT_TRUE(corvane::IsValidUtf8(message)) << c.what << ": " << message;
        EXPECT_NE(message.find(c.quoted), std::string::npos) << c.what << ": " << message;
    }
    corv_bag_destroy(bag);
}

TEST_F(CAbi, HostBagsRefuseDatesThatWouldNotLoadBack)
{
    corv_bag *bag = nullptr;
    ASSERT_EQ(corv_bag_create(&bag), 0);
    corv_variant value;
    corv_variant_init(&value);
    for (const double days : {std::nan(""), HUGE_VAL, -HUGE_VAL, 2958466.0}) {
        corv_variant_set_date(&value, days);
        EXPECT_EQ(corv_bag_write(bag, "When", &value, nullptr), 6) << days;
        const char *name = "When";
        ASSERT_EQ(corv_variant_set_record(&value, "Moment", 1, &name), 0);
        corv_variant_set_date(&value.u.rec.fields[0].value, days);
        EXPECT_EQ(corv_bag_write(bag, "Held", &value, nullptr), 6) << days;
        corv_variant_clear(&value);
    }
    EXPECT_EQ(corv_bag_count(bag), 0u);
    corv_bag_destroy(bag);
}

// A host's own property bag, keys compared exactly: the runtime must not merge two of them silently.
struct ExactBag : corv_bag {
    std::vector<std::pair<std::string, int32_t>> entries;
};

TEST_F(CAbi, AHostBagWhoseKeysDifferOnlyInCaseIsRefused)
{
    static const corv_bag_vtbl table = {
        CORV_ABI_VERSION,
        sizeof(corv_bag_vtbl),
        [](corv_bag *self) { return static_cast<ExactBag *>(self)->entries.size(); },
        [](corv_bag *self, size_t index, const char **key, corv_variant *value, corv_error *) -> int32_t {
            const auto &entry = static_cast<ExactBag *>(self)->entries.at(index);
            *key = entry.first.c_str();
            corv_variant_set_i4(value, entry.second);
            return 0;
        },
        [](corv_bag *, const char *, int *found, corv_variant *, corv_error *) -> int32_t {
            *found = 0;
            return 0;
        },
        [](corv_bag *, const char *, const corv_variant *, corv_error *) -> int32_t { return 0; },
        [](corv_bag *, const char *) {},
        [](corv_bag *) {},
        [](corv_bag *) {},
    };
    ExactBag bag;
    bag.vtbl = &table;
    bag.entries = {{"Value", 1}, {"VALUE", 2}};
    EXPECT_EQ(corv_bag_save_file(&bag, (dir / "host.bag").c_str()), 5);
    EXPECT_NE(std::string(corv_last_error_message()).find("\"VALUE\" twice"), std::string::npos)
        << corv_last_error_message();
    EXPECT_FALSE(std::filesystem::exists(dir / "host.bag"));
    bag.entries.pop_back();
    EXPECT_EQ(corv_bag_save_file(&bag, (dir / "host.bag").c_str()), 0);
}

TEST_F(CAbi, BagWritesWithADefaultStoreOnlyDifferences)
{
    corv_bag *bag = nullptr;
    ASSERT_EQ(corv_bag_create(&bag), 0);
    corv_variant value, def, out;
    corv_variant_init(&value);
    corv_variant_init(&def);
    corv_variant_init(&out);
    corv_variant_set_i4(&value, 1);
    corv_variant_set_i2(&def, 1);
    ASSERT_EQ(corv_bag_write(bag, "AgrDateFormat", &value, &def), 0);
    EXPECT_EQ(corv_bag_count(bag), 0u);
    ASSERT_EQ(corv_bag_read(bag, "AgrDateFormat", &def, &out), 0);
    EXPECT_EQ(out.type, CORV_VT_I2); // the default, as given
    corv_variant_set_i4(&value, 0);
    ASSERT_EQ(corv_bag_write(bag, "AgrDateFormat", &value, &def), 0);
    ASSERT_EQ(corv_bag_read(bag, "AgrDateFormat", &def, &out), 0);
    EXPECT_EQ(out.type, CORV_VT_I4);
    EXPECT_EQ(out.u.i4, 0);
    EXPECT_EQ(corv_bag_write(bag, "bad=key", &value, nullptr), 5);
    corv_bag_destroy(bag);
}

} // namespace
