#include "SpinFixture.h"

#include <QAccessible>

namespace
{

using namespace corvane;
using spin::kDownButton;
using spin::kUpButton;

QAccessibleInterface *Of(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

void PressThrough(QAccessibleInterface *button)
{
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// The text is named after what it holds, each button after what it does; pressed through assistive
// technology, a button steps the field under the caret as a click does.
TEST_F(DateUpDownTest, TheTextAndTheButtonsAreNamedAndTheButtonsStep)
{
    EXPECT_EQ(Of(text())->role(), QAccessible::EditableText);
    EXPECT_EQ(Of(text())->text(QAccessible::Name), "日期");
    QAccessibleInterface *up = Of(bar(kUpButton));
    QAccessibleInterface *down = Of(bar(kDownButton));
    EXPECT_EQ(up->role(), QAccessible::Button);
    EXPECT_EQ(up->text(QAccessible::Name), "增加");
    EXPECT_EQ(down->role(), QAccessible::Button);
    EXPECT_EQ(down->text(QAccessible::Name), "减少");
    EXPECT_EQ(up->childCount(), 0);
    EXPECT_FALSE(up->state().disabled);
    EXPECT_FALSE(down->state().disabled);

    Set(date::FromYmd(2002, 7, 19));
    text()->setCursorPosition(6); // the month
    PressThrough(up);
    EXPECT_EQ(shown(), Q("2002年08月19日"));
    PressThrough(down);
    PressThrough(down);
    EXPECT_EQ(shown(), Q("2002年06月19日"));
    EXPECT_EQ(events, (std::vector<std::string>{"Click", "Click", "Click"}));

    control->SetEnabled(false);
    EXPECT_TRUE(up->state().disabled);
    PressThrough(up);
    EXPECT_EQ(shown(), Q("2002年06月19日"));
}

TEST_F(TimeUpDownTest, TheTextAndTheButtonsAreNamed)
{
    EXPECT_EQ(Of(text())->text(QAccessible::Name), "时间");
    EXPECT_EQ(Of(bar(kUpButton))->text(QAccessible::Name), "增加");
    EXPECT_EQ(Of(bar(kDownButton))->text(QAccessible::Name), "减少");
    Set(date::FromHms(14, 5, 9));
    text()->setCursorPosition(0);
    PressThrough(Of(bar(kUpButton)));
    EXPECT_EQ(shown(), Q("15:05:09"));
}

} // namespace
