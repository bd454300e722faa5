#pragma once

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// Shows a control's surface and makes it the active window, so that focus and key tests behave as on a
// desktop. Offscreen, a shown window is the active one at once; on a display without a window manager
// (the screenshots under Xvfb) none ever is, and nothing that runs there needs it.
inline void ShowForInput(QWidget *surface)
{
    surface->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(surface));
    surface->activateWindow();
    (void)QTest::qWaitFor([surface] { return surface->isActiveWindow(); }, 500);
}
