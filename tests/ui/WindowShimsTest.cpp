#include "platform/ui/Redraw.h"
#include "platform/ui/WindowHandles.h"
#include "platform/ui/WindowSystem.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace corvane::ui;

TEST(WindowHandles, AWidgetKeepsItsHandleAndAGoneWidgetHasNone)
{
    auto first = std::make_unique<QWidget>();
    QWidget second;
    const Hwnd handle = HandleOf(first.get());
    EXPECT_NE(handle, 0);
    EXPECT_EQ(HandleOf(first.get()), handle);
    EXPECT_NE(HandleOf(&second), handle);
    EXPECT_EQ(WidgetOf(handle), first.get());
    first.reset();
    EXPECT_EQ(WidgetOf(handle), nullptr);
    EXPECT_EQ(HandleOf(nullptr), 0);
    EXPECT_EQ(GetWindowLongA(handle, GWL_STYLE), 0); // a gone window has no style and takes none
    EXPECT_EQ(SetWindowLongA(handle, GWL_STYLE, 0x16000000), 0);
}

TEST(WindowLong, TheDropDownStylesMakeAFramelessToolWindowAndSwitchWithoutRecreatingIt)
{
    constexpr std::int32_t kTransient = std::int32_t(0x16000000u); // visible, clip siblings and children
    constexpr std::int32_t kPopup = std::int32_t(0x94000000u); // pop-up, visible, clip siblings
    constexpr std::uint32_t kFramed = 0x04C80000u; // caption, system menu, clip siblings
    constexpr std::uint32_t kVisible = 0x10000000u;
    QWidget form;
    const Hwnd handle = HandleOf(&form);
    EXPECT_EQ(std::uint32_t(GetWindowLongA(handle, GWL_STYLE)), kFramed);

    EXPECT_EQ(std::uint32_t(SetWindowLongA(handle, GWL_STYLE, kTransient)), kFramed);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowFlags(), Qt::Tool | Qt::FramelessWindowHint);
    const WId native = form.winId();
    EXPECT_EQ(SetWindowLongA(handle, GWL_STYLE, kPopup), kTransient);
    EXPECT_EQ(form.winId(), native);
    EXPECT_EQ(GetWindowLongA(handle, GWL_STYLE), kPopup);
    form.hide();
    EXPECT_EQ(std::uint32_t(GetWindowLongA(handle, GWL_STYLE)), 0x94000000u & ~kVisible);
    EXPECT_EQ(GetWindowLongA(handle, -20), 0); // other indexes are not kept

    SetWindowLongA(handle, GWL_STYLE, std::int32_t(kFramed | kVisible));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::FramelessWindowHint);

    QWidget child(&form);
    EXPECT_EQ(std::uint32_t(GetWindowLongA(HandleOf(&child), GWL_STYLE)), 0x44000000u) << "child, clip siblings";
}

namespace
{

class PaintCounter : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

} // namespace

TEST(UpdateLock, OneWindowAtATimeAndReleasingItRepaintsIt)
{
    PaintCounter locked;
    QWidget other;
    auto *inner = new QWidget(&locked);
    locked.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&locked));

    ASSERT_TRUE(LockWindowUpdate(&locked));
    EXPECT_TRUE(LockWindowUpdate(&locked));
    EXPECT_FALSE(LockWindowUpdate(&other));
    EXPECT_EQ(LockedWindow(), &locked);
    EXPECT_TRUE(IsRedrawSuspended(inner));
    EXPECT_FALSE(IsRedrawSuspended(&other));

    locked.paints = 0;
    EXPECT_TRUE(LockWindowUpdate(nullptr));
    EXPECT_FALSE(IsRedrawSuspended(inner));
    EXPECT_TRUE(QTest::qWaitFor([&] { return locked.paints > 0; }));
    EXPECT_TRUE(LockWindowUpdate(&other));
    LockWindowUpdate(nullptr);
}

TEST(WorkArea, IsTheScreensAvailableGeometryOrTheOverride)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(WorkArea(), screen);
    {
        const ScopedWorkArea small(QRect(0, 40, 640, 400));
        EXPECT_EQ(WorkArea(), QRect(0, 40, 640, 400));
        const ScopedWorkArea failing(std::nullopt);
        EXPECT_EQ(WorkArea(), std::nullopt);
    }
    EXPECT_EQ(WorkArea(), screen) << "the overrides end with their scopes";
}
