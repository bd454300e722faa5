// The window of a control as a host gets it through the C ABI, to put it on its own form.
#include "RegisteredLibraryTest.h"
#include "corvane/corvane.hpp"

#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>

namespace
{

using ControlWindow = RegisteredLibraryTest;

// The table of a library built before the window entry: it ends after save.
corv_object_vtbl OlderTable(const corv_object_vtbl &current)
{
    corv_object_vtbl older{};
    std::memcpy(&older, &current, CORV_OBJECT_VTBL_BASE_SIZE);
    older.size = CORV_OBJECT_VTBL_BASE_SIZE;
    older.window = nullptr;
    return older;
}

} // namespace

TEST_F(ControlWindow, EachVisualControlGivesItsOwnSurfaceWhichGoesWithTheControl)
{
    QPointer<QWidget> surface;
    for (const char *progId : {"Corvane.QxMonth", "Corvane.QxMonthVw", "Corvane.DateUpDown", "Corvane.TimeUpDown"}) {
        const corv::Object control = corv::Object::Create(progId);
        surface = static_cast<QWidget *>(control.Window());
        ASSERT_NE(surface, nullptr) << progId;
        EXPECT_EQ(surface->objectName(), QString::fromUtf8(progId + std::strlen("Corvane."))) << progId;
        EXPECT_EQ(surface->parentWidget(), nullptr) << progId;
        EXPECT_EQ(control.Window(), surface.data()) << progId;
    }
    EXPECT_TRUE(surface.isNull());
}

TEST_F(ControlWindow, ANonVisualObjectOrAnOlderLibraryHasNoWindowAndSaysSo)
{
    const corv::Object cal = corv::Object::Create("Corvane.CQxCal");
    void *window = &window;
    EXPECT_EQ(corv_object_window(cal.get(), &window), CORV_E_NO_SUCH_MEMBER);
    EXPECT_EQ(window, nullptr);
    EXPECT_NE(std::strstr(corv_last_error_message(), "window"), nullptr);
    EXPECT_EQ(corv_object_window(cal.get(), nullptr), CORV_E_INVALID_CALL);
    EXPECT_EQ(corv_object_window(nullptr, &window), 424);

    const corv::Object month = corv::Object::Create("Corvane.QxMonth");
    const corv_object_vtbl older = OlderTable(*month.get()->vtbl);
    corv_object olderHandle{&older};
    window = &window;
    EXPECT_EQ(corv_object_window(&olderHandle, &window), CORV_E_NO_SUCH_MEMBER);
    EXPECT_EQ(window, nullptr);
}
