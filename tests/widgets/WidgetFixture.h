#pragma once

#include "ui/support/ShowForInput.h"

#include "platform/date/Clock.h"
#include "platform/date/DateValue.h"

#include <QApplication>
#include <QDate>
#include <QPalette>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

// A window with a vertical layout to put widgets in, on a pinned moment: 19 July 2002, 10:30:15.
class WidgetTest : public testing::Test
{
protected:
    static constexpr corvane::date::Date kNow = 37456.0 + (10 * 3600 + 30 * 60 + 15) / 86400.0;

    template<class W>
    W *Add()
    {
        auto *widget = new W(window.get());
        layout->addWidget(widget);
        return widget;
    }
    // Widgets added to a window already shown show once their posted show has run.
    void Show()
    {
        ShowForInput(window.get());
        QApplication::processEvents();
    }

    corvane::date::FixedClock clock{kNow};
    corvane::date::ScopedClock pinned{clock};
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QVBoxLayout *layout = new QVBoxLayout(window.get());
};

// The middle of a day's cell in a month grid of 7 columns (Sunday first) and 6 rows.
inline QPoint DayCell(const QWidget &grid, const QDate &day)
{
    const int index = QDate(day.year(), day.month(), 1).dayOfWeek() % 7 + day.day() - 1;
    return {int((index % 7 + 0.5) * grid.width() / 7), int((index / 7 + 0.5) * grid.height() / 6)};
}

// A click at `point` of `widget`, given to its window as the window system gives it: Qt finds what
// shows there, and nothing holds on to a part that the press may delete. It comes later than a double
// click would, whatever was clicked before at that place of the screen.
inline void ClickAt(QWidget *widget, const QPoint &point)
{
    ASSERT_NE(widget->childAt(point), nullptr);
    ASSERT_TRUE(widget->isVisible());
    QWidget *window = widget->window();
    QTest::mouseClick(window->windowHandle(),
                      Qt::LeftButton,
                      Qt::NoModifier,
                      widget->mapTo(window, point),
                      QApplication::doubleClickInterval() + 1);
}

// The month grid of the open drop-down: in the visible top-level window, other than `window`, that
// holds one; nullptr when none is open.
inline QWidget *DropDownGrid(const QWidget *window)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != window)
            if (QWidget *grid = top->findChild<QWidget *>(QStringLiteral("PicMonth")))
                return grid;
    return nullptr;
}

// A click in the middle of the picker's visible drop arrow.
inline void ClickDropArrow(QWidget *picker)
{
    const QWidget *button = picker->findChild<QWidget *>(QStringLiteral("PictBtn"));
    ASSERT_NE(button, nullptr);
    ClickAt(picker, button->mapTo(picker, button->rect().center()));
}

// A click on the picker's drop arrow; the grid of the drop-down it opened, nullptr if none did.
inline QWidget *ClickDropButton(QWidget *picker)
{
    const QWidget *window = picker->window();
    ClickDropArrow(picker);
    (void)QTest::qWaitFor([window] { return DropDownGrid(window) != nullptr; }, 2000);
    return DropDownGrid(window);
}

// Relative luminance contrast of two colours (WCAG): 1 for equal colours, 21 for black on white.
inline double Contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop theme, as the application's palette for as long as it lives.
class DarkPalette
{
public:
    DarkPalette()
    {
        QPalette dark = m_saved;
        dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Link, QColor(0x6a, 0xb0, 0xff));
        dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        dark.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
        Apply(dark);
    }
    ~DarkPalette() { Apply(m_saved); }

private:
    // Widgets hear of the application's palette through posted events.
    static void Apply(const QPalette &palette)
    {
        QApplication::setPalette(palette);
        QApplication::processEvents();
    }
    QPalette m_saved = QApplication::palette();
};
