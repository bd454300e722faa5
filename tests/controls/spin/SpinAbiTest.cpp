// The spin editors as a foreign host meets them: libcorvane.so found through the registry and loaded
// at run time, members reached by dispatch id with variants, events received through the C ABI.
#include "RegisteredLibraryTest.h"
#include "corvane/corvane.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

constexpr double kJuly19 = 37456.0; // 2002-07-19

class SpinAbi : public RegisteredLibraryTest
{
protected:
    // The text box of the one editor of this name alive: the library's widgets are Qt widgets of this
    // process.
    static QLineEdit *TextOf(const char *surfaceName)
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QLatin1String(surfaceName))
                return widget->findChild<QLineEdit *>(QStringLiteral("TxtDate"));
        return nullptr;
    }

    // Records the events of an object as their names.
    corv::Connection Record(const corv::Object &object)
    {
        return object.Advise([this, &object](std::int32_t id, std::span<corv::Variant>) {
            events.push_back(object.Class().events[id - 1].name);
        });
    }

    std::vector<std::string> events;
};

} // namespace

TEST_F(SpinAbi, BothEditorsAreServedWithTheirInterfacesAndTheirOwnMethodIds)
{
    struct Case {
        const char *progId;
        const char *interface;
        const char *value;
        std::int32_t firstMethod;
    };
    const Case cases[] = {
        {"Corvane.DateUpDown", "_DateUpDown", "CurrDate", 0x60030014},
        {"Corvane.TimeUpDown", "_TimeUpDown", "CurrTime", 0x60030015},
    };
    for (const Case &c : cases) {
        const corv::Object object = corv::Object::Create(c.progId);
        const corv_class_desc &cls = object.Class();
        EXPECT_STREQ(cls.name, c.interface);
        EXPECT_EQ(cls.member_count, 20u) << c.progId;
        ASSERT_EQ(cls.event_count, 9u);
        EXPECT_STREQ(cls.events[0].name, "Click");
        EXPECT_STREQ(cls.events[8].name, "Change");
        EXPECT_EQ(object.IdOf(c.value), 0);
        EXPECT_EQ(object.IdOf("About"), -552);
        EXPECT_EQ(object.IdOf("GetAgrNumDate"), c.firstMethod);
        EXPECT_EQ(object.IdOf("AgrDateToUniDate"), c.firstMethod + 6);
        EXPECT_EQ(object.IdOf("hWnd"), 0x68030004);
        EXPECT_NE(object.Get("hWnd").I4(), 0);
        // The calendar methods do not depend on the editor's value.
        corv::Variant day = corv::Variant::Date(kJuly19);
        const corv::Variant lunar =
            object.Invoke(object.IdOf("GetAgrStrDate"), CORV_METHOD, std::span<corv::Variant>(&day, 1));
        EXPECT_EQ(lunar.Field("AgrFactYear").String(), "壬午年");
    }
}

TEST_F(SpinAbi, TheDefaultMemberIsClampedOnTheDateEditorAndTakenAsIsOnTheTimeEditor)
{
    const corv::Object date = corv::Object::Create("Corvane.DateUpDown");
    date.InitNew();
    const corv::Connection dateEvents = Record(date);
    corv::Variant value = corv::Variant::Date(51273.6041666667); // 2040-05-17 14:30
    date.Invoke(CORV_DISPID_VALUE, CORV_PROPERTY_PUT, std::span<corv::Variant>(&value, 1));
    EXPECT_EQ(date.Get("CurrDate").Date(), 47620.0); // 2030-05-17
    EXPECT_EQ(TextOf("DateUpDown")->text(), QString::fromUtf8("2030年05月17日"));
    corv::Bag bag;
    date.Save(bag);
    ASSERT_EQ(bag.Count(), 1u);
    EXPECT_EQ(bag.Read("CurrDate").Date(), 47620.0);

    const corv::Object time = corv::Object::Create("Corvane.TimeUpDown");
    time.InitNew();
    const corv::Connection timeEvents = Record(time);
    time.Invoke(CORV_DISPID_VALUE, CORV_PROPERTY_PUT, std::span<corv::Variant>(&value, 1));
    EXPECT_EQ(time.Get("CurrTime").Date(), 51273.6041666667);
    EXPECT_EQ(TextOf("TimeUpDown")->text(), QStringLiteral("14:30:00"));
    EXPECT_EQ(events, (std::vector<std::string>{"Change", "Change", "Change"}));

    corv::Variant bad(std::int32_t(5));
    EXPECT_THROW(time.Put("Appearance", bad), corv::Error);
    EXPECT_EQ(corv_last_error(), 380);
}
