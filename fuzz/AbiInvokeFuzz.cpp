// Calls through the C ABI with whatever the input says: any class the library serves, any dispatch
// id and kind, any number of arguments of any variant type (strings that are not UTF-8, records of
// any shape, by-reference or not), event sinks that write back anything or fail, save and load.
// Every call must succeed or fail with its number in the last error and leave its result alone.
#include "FuzzBytes.h"

#include "platform/automation/EntryPoint.h"
#include "platform/ui/ModalRunner.h"

#include "corvane/corvane.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

extern "C" const corv_library *CorvaneGetLibrary(std::uint32_t abiVersion);

namespace
{

constexpr std::array kProgIds{"Corvane.CQxCal",
                              "Corvane.QxMonth",
                              "Corvane.QxMonthVw",
                              "Corvane.DateUpDown",
                              "Corvane.TimeUpDown"};
constexpr std::array kRecordNames{"QxAgrDateNum", "QxAgrDateStr", "QxAgrEraNum", "QxAgrEraStr", "StdFont", "Nope"};
constexpr std::array kFieldNames{"AgrFactYear",
                                 "AgrMonth",
                                 "AgrDay",
                                 "AgrIsLeep",
                                 "AgrMonthBound",
                                 "AgrTime",
                                 "Name",
                                 "Size",
                                 "Bold",
                                 "X"};
constexpr std::array kSpecialDoubles{0.0, -0.0, 367.0, 37456.5, -1.5, 1e308, -1e308, 2958465.99999, -657434.0};

// Aborts, naming the broken expectation's line, so the fuzzer keeps the input.
void Check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr,
                     "AbiInvokeFuzz.cpp:%d: expectation failed (last error %d: %s)\n",
                     line,
                     corv_last_error(),
                     corv_last_error_message());
        std::abort();
    }
}

// Answers every modal box and dialog at once, so no input waits for a person.
class AnsweringRunner final : public corvane::ui::ModalRunner
{
public:
    int ShowMessage(const corvane::ui::MessageBoxRequest &, QWidget *) override { return corvane::ui::kMessageOk; }
    int RunDialog(QDialog &dialog) override
    {
        dialog.accept();
        return dialog.result();
    }
};

bool IsValidResult(const corv_variant &v)
{
    switch (v.type) {
    case CORV_VT_STRING:
        return v.u.str.data && v.u.str.data[v.u.str.length] == 0 && std::strlen(v.u.str.data) <= v.u.str.length;
    case CORV_VT_RECORD:
        for (std::size_t i = 0; i < v.u.rec.count; ++i)
            if (!v.u.rec.fields[i].name || !IsValidResult(v.u.rec.fields[i].value))
                return false;
        return v.u.rec.type_name != nullptr;
    default:
        return v.type <= CORV_VT_MISSING && !(v.flags & CORV_VF_BYREF);
    }
}

// Builds an argument the way a careless host might: any type tag, text that is not UTF-8.
void MakeValue(FuzzBytes &in, corv_variant &v, corv_object *self, int depth)
{
    corv_variant_init(&v);
    switch (in.Below(13)) {
    case 0:
        break;
    case 1:
        corv_variant_set_i2(&v, in.Value<std::int16_t>());
        break;
    case 2:
        corv_variant_set_i4(&v, in.Value<std::int32_t>());
        break;
    case 3:
        corv_variant_set_r4(&v, in.Value<float>());
        break;
    case 4:
        corv_variant_set_r8(&v, in.Flag() ? in.Value<double>() : kSpecialDoubles[in.Below(kSpecialDoubles.size())]);
        break;
    case 5:
        corv_variant_set_date(&v, in.Flag() ? in.Value<double>() : kSpecialDoubles[in.Below(kSpecialDoubles.size())]);
        break;
    case 6:
        corv_variant_set_bool(&v, in.Value<std::int16_t>());
        break;
    case 7: {
        // Copied raw, bypassing the UTF-8 check of corv_variant_set_string.
        const std::string text = in.Bytes(24);
        v.type = CORV_VT_STRING;
        v.u.str.data = static_cast<char *>(std::malloc(text.size() + 1));
        std::memcpy(v.u.str.data, text.c_str(), text.size() + 1);
        v.u.str.length = text.size();
        break;
    }
    case 8: {
        const std::size_t count = in.Below(7);
        std::vector<const char *> names(count);
        for (const char *&name : names)
            name = kFieldNames[in.Below(kFieldNames.size())];
        if (corv_variant_set_record(&v, kRecordNames[in.Below(kRecordNames.size())], count, names.data()) != 0)
            break;
        for (std::size_t i = 0; i < count; ++i) {
            if (depth < 2)
                MakeValue(in, v.u.rec.fields[i].value, self, depth + 1);
        }
        break;
    }
    case 9:
        corv_variant_set_object(&v, in.Flag() ? self : nullptr);
        break;
    case 10:
        corv_variant_set_missing(&v);
        break;
    default:
        v.type = std::uint16_t(in.Byte() | 0x100); // no such type
    }
}

struct SinkState {
    FuzzBytes *in;
    corv_object *self;
};

int32_t FuzzSink(void *user, int32_t, corv_variant *args, size_t argc)
{
    auto &state = *static_cast<SinkState *>(user);
    for (std::size_t i = 0; i < argc; ++i) {
        if ((args[i].flags & CORV_VF_BYREF) && state.in->Flag()) {
            corv_variant value;
            MakeValue(*state.in, value, state.self, 1);
            if (value.type <= CORV_VT_MISSING)
                corv_variant_copy(args[i].u.ref, &value);
            corv_variant_clear(&value);
        }
    }
    return state.in->Flag() ? std::int32_t(state.in->Below(500)) : 0;
}

void CallOnce(FuzzBytes &in, corv_object *object, const corv_class_desc &cls)
{
    std::int32_t dispid;
    std::int32_t kind;
    std::size_t argc;
    if (cls.member_count && in.Below(4) != 0) {
        const corv_member_desc &m = cls.members[in.Below(cls.member_count)];
        dispid = m.dispid;
        kind = in.Below(4) ? m.kind : std::int32_t(in.Below(17)) - 1;
        argc = in.Below(3) ? m.param_count + (m.kind >= CORV_PROPERTY_PUT) : in.Below(6);
    } else {
        dispid = in.Value<std::int32_t>();
        kind = std::int32_t(in.Below(17)) - 1;
        argc = in.Below(6);
    }
    std::vector<corv_variant> args(argc), targets(argc);
    std::vector<bool> validTarget(argc);
    for (std::size_t i = 0; i < argc; ++i) {
        corv_variant_init(&targets[i]);
        if (in.Below(4) == 0) {
            MakeValue(in, targets[i], object, 0);
            validTarget[i] = IsValidResult(targets[i]);
            corv_variant_init(&args[i]);
            corv_variant_set_ref(&args[i], in.Below(8) ? &targets[i] : nullptr);
        } else {
            MakeValue(in, args[i], object, 0);
        }
    }
    corv_variant result;
    corv_variant_init(&result);
    corv_variant_set_i4(&result, 0x5EED);
    const std::int32_t rc = corv_invoke(object, dispid, kind, args.data(), argc, in.Below(8) ? &result : nullptr);
    Check(corv_last_error() == rc);
    if (rc == 0) {
        Check(IsValidResult(result));
    } else {
        Check(*corv_last_error_message() != 0);
        Check(result.type == CORV_VT_I4 && result.u.i4 == 0x5EED);
    }
    for (std::size_t i = 0; i < argc; ++i) {
        // A by-reference variable stays a valid value of some type whatever the call did with it.
        if ((args[i].flags & CORV_VF_BYREF) && validTarget[i])
            Check(IsValidResult(targets[i]));
        corv_variant_clear(&args[i]);
        corv_variant_clear(&targets[i]);
    }
    corv_variant_clear(&result);
}

void Exercise(FuzzBytes &in, corv_object *object)
{
    const corv_class_desc *cls = nullptr;
    Check(corv_object_class(object, &cls) == 0);
    SinkState sink{&in, object};
    std::vector<std::uint32_t> cookies;
    for (int step = 0; step < 48 && !in.Empty(); ++step) {
        switch (in.Below(10)) {
        case 6: {
            const std::string name = in.Bytes(16);
            const char *names[] = {name.c_str()};
            std::int32_t id = 0;
            const std::int32_t rc = corv_ids_of_names(object, names, 1, &id);
            Check(rc == 0 ? id != CORV_DISPID_UNKNOWN : rc == CORV_E_NO_SUCH_MEMBER && id == CORV_DISPID_UNKNOWN);
            break;
        }
        case 7: {
            std::uint32_t cookie = 0;
            Check(corv_advise(object, FuzzSink, &sink, &cookie) == 0 && cookie != 0);
            cookies.push_back(cookie);
            break;
        }
        case 8:
            if (!cookies.empty()) {
                Check(corv_unadvise(object, cookies.back()) == 0);
                cookies.pop_back();
            }
            break;
        case 9: {
            // A control loads its own save; an object fresh from init_new saves without failing.
            corv_bag *bag = nullptr;
            Check(corv_bag_create(&bag) == 0);
            if (in.Flag())
                Check(corv_init_new(object) == 0);
            if (corv_save(object, bag) == 0)
                Check(corv_load(object, bag) == 0);
            corv_bag_destroy(bag);
            break;
        }
        default:
            CallOnce(in, object, *cls);
        }
    }
    for (const std::uint32_t cookie : cookies)
        corv_unadvise(object, cookie);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static AnsweringRunner runner;
    static corvane::ui::ScopedModalRunner answering(runner);
    // One object of each class first: what Qt and fontconfig set up once, on first use, is then not
    // taken for a leak of the first input.
    const corv_library *library = CorvaneGetLibrary(CORV_ABI_VERSION);
    Check(library != nullptr);
    for (const char *progid : kProgIds) {
        corv_object *object = nullptr;
        corv_error err{};
        Check(library->create_object(progid, &object, &err) == 0);
        if (void *window = nullptr; corv_object_window(object, &window) == 0)
            static_cast<QWidget *>(window)->grab();
        Check(corv_release(object) == 0);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const corv_library *const library = CorvaneGetLibrary(CORV_ABI_VERSION);
    Check(library != nullptr);
    FuzzBytes in(data, size);
    corv_object *object = nullptr;
    corv_error err{};
    Check(library->create_object(kProgIds[in.Below(kProgIds.size())], &object, &err) == 0 && object);
    Exercise(in, object);
    Check(corv_release(object) == 0);
    // Widgets of released controls go with the deferred deletes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
