// A form holding one of each control, worked through with the Tab key alone.
#include "ui/support/ShowForInput.h"

#include "controls/month/QxMonth.h"
#include "controls/picker/ModMonthVw.h"
#include "controls/picker/QxMonthVw.h"
#include "controls/spin/DateUpDown.h"
#include "controls/spin/TimeUpDown.h"
#include "platform/date/Clock.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace
{

using namespace corvane;

class FormKeyboard : public testing::Test
{
protected:
    FormKeyboard()
    {
        form->setObjectName(QStringLiteral("FrmForm"));
        first = new QLineEdit(form.get());
        first->setObjectName(QStringLiteral("first"));
        first->setGeometry(5, 5, 100, 20);
        int top = 30;
        for (ui::ControlBase *control :
             std::initializer_list<ui::ControlBase *>{month.get(), picker.get(), dateSpin.get(), timeSpin.get()}) {
            control->InitNew();
            control->Surface()->setParent(form.get());
            control->Surface()->move(5, top);
            top += control->Surface()->height() + 5;
        }
        form->resize(400, top + 10);
    }
    ~FormKeyboard() override { ModMonthVw::State() = {}; }

    // Where the focus is: the part's name and the control it belongs to.
    static std::string Focus()
    {
        const QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return "(none)";
        std::string owner;
        for (const QWidget *w = focus->parentWidget(); w; w = w->parentWidget())
            if (w->objectName() == "QxMonth" || w->objectName() == "QxMonthVw" || w->objectName() == "DateUpDown"
                || w->objectName() == "TimeUpDown")
                owner = w->objectName().toStdString() + ".";
        return owner + focus->objectName().toStdString();
    }

    static void Tab(Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        QApplication::processEvents();
    }

    date::FixedClock clock{37456.0}; // 2002-07-19
    date::ScopedClock pinned{clock};
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QLineEdit *first = nullptr;
    ObjectPtr<QxMonth> month = MakeObject<QxMonth>();
    ObjectPtr<QxMonthVw> picker = MakeObject<QxMonthVw>();
    ObjectPtr<DateUpDown> dateSpin = MakeObject<DateUpDown>();
    ObjectPtr<TimeUpDown> timeSpin = MakeObject<TimeUpDown>();
};

// Each stop is a part that works with keys, shows that it has the focus and has a name or role for
// assistive technology; the arrows, the box and the spin buttons are no stops.
TEST_F(FormKeyboard, TabVisitsEveryControlOnItsWorkingPartsAndComesRound)
{
    ShowForInput(form.get());
    first->setFocus();
    const std::vector<std::string> stops = {
        "QxMonth.PicMonth",
        "QxMonth.CmbUniYear",
        "QxMonth.CmbUniMonth",
        "QxMonthVw.PictBtn",
        "DateUpDown.TxtDate",
        "TimeUpDown.TxtDate",
        "first",
    };
    for (const std::string &stop : stops) {
        Tab();
        EXPECT_EQ(Focus(), stop);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        ASSERT_NE(iface, nullptr) << stop;
        EXPECT_NE(iface->role(), QAccessible::Client) << stop << " is a bare area";
        EXPECT_TRUE(iface->state().focused) << stop;
    }
    for (auto stop = stops.rbegin() + 1; stop != stops.rend(); ++stop) {
        Tab(Qt::ShiftModifier);
        EXPECT_EQ(Focus(), *stop) << "backwards";
    }
    EXPECT_FALSE(ModMonthVw::State().DropShown) << "passing through the picker opens nothing";
}

// The whole form worked with keys: a day in the calendar, a date through the picker, a field of each
// spin editor.
TEST_F(FormKeyboard, EveryControlWorksFromTheKeyboard)
{
    ShowForInput(form.get());
    month->SetCurrDate(37456.0);
    picker->SetCurrDate(37456.0);
    first->setFocus();
    Tab();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(month->CurrDate(), 37456.0 + 7);

    Tab();
    Tab();
    Tab();
    ASSERT_EQ(Focus(), "QxMonthVw.PictBtn");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
    QApplication::processEvents();
    ASSERT_TRUE(ModMonthVw::State().DropShown);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    (void)QTest::qWaitFor([] { return !ModMonthVw::State().DropShown; }, 500);
    QApplication::processEvents();
    EXPECT_EQ(picker->CurrDate(), 37456.0 - 1);
    EXPECT_EQ(Focus(), "QxMonthVw.PictBtn");

    Tab();
    ASSERT_EQ(Focus(), "DateUpDown.TxtDate");
    dateSpin->SetCurrDate(37456.0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_EQ(static_cast<QLineEdit *>(QApplication::focusWidget())->cursorPosition(), 11) << "the caret moves";
}

} // namespace
