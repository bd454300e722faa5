// QxMonth as a foreign host meets it: libcorvane.so found through the registry and loaded at run
// time, members reached by dispatch id with variants, events received through the C ABI.
#include "RegisteredLibraryTest.h"
#include "corvane/corvane.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

constexpr double kJuly19 = 37456.0; // 2002-07-19

class QxMonthAbi : public RegisteredLibraryTest
{
protected:
    // The surface of the one control alive: the library's widgets are Qt widgets of this process.
    static QWidget *Surface()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QStringLiteral("QxMonth"))
                return widget;
        return nullptr;
    }

    corv::Object month = corv::Object::Create("Corvane.QxMonth");
    std::vector<std::string> events;
    corv::Connection connection = month.Advise([this](std::int32_t id, std::span<corv::Variant> args) {
        std::string text = month.Class().events[id - 1].name;
        for (const corv::Variant &arg : args)
            text += " " + std::to_string(arg.I2());
        events.push_back(text);
        if (id == 3 && args[0].I2() == 65)
            corv::AssignRef(args[0], corv::Variant(std::int16_t(0))); // the host swallows A
    });
};

} // namespace

TEST_F(QxMonthAbi, TheRegistryServesTheClassWithItsTypeLibrary)
{
    const corv_class_desc &cls = month.Class();
    EXPECT_STREQ(cls.name, "_QxMonth");
    EXPECT_EQ(cls.member_count, 34u);
    ASSERT_EQ(cls.event_count, 9u);
    EXPECT_STREQ(cls.events[2].name, "KeyDown");
    EXPECT_EQ(cls.events[2].params[0].byref, 1);
    EXPECT_EQ(month.IdOf("currdate"), 0);
    EXPECT_EQ(month.IdOf("About"), -552);
    const std::int32_t hWnd = month.Get("hWnd").I4();
    EXPECT_NE(hWnd, 0);
    EXPECT_EQ(month.Get("hWnd").I4(), hWnd);
}

TEST_F(QxMonthAbi, KeysInTheGridReachTheHostWhichMayConsumeThem)
{
    month.InitNew();
    month.Put("CurrDate", corv::Variant::Date(kJuly19));
    events.clear();
    QWidget *surface = Surface();
    ASSERT_NE(surface, nullptr);
    surface->show();
    QWidget *grid = surface->findChild<QWidget *>(QStringLiteral("PicMonth"));
    ASSERT_NE(grid, nullptr);

    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(grid, &right);
    EXPECT_TRUE(right.isAccepted());
    EXPECT_EQ(month.Get("CurrDate").Date(), kJuly19 + 1);

    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QApplication::sendEvent(grid, &a);
    EXPECT_TRUE(a.isAccepted()); // the sink set KeyCode to 0
    QKeyEvent b(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    QApplication::sendEvent(grid, &b);
    EXPECT_FALSE(b.isAccepted());
    EXPECT_EQ(events,
              (std::vector<std::string>{"KeyDown 39 0",
                                        "Change",
                                        "KeyDown 65 1",
                                        "KeyPress 65",
                                        "KeyDown 66 0",
                                        "KeyPress 98"}));
}
