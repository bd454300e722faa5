#include "SpinFixture.h"

#include "platform/automation/PropertyBag.h"
#include "platform/date/DateFormat.h"

using namespace corvane;
using date::FromHms;
using date::FromYmd;
using spin::kDownButton;
using spin::kUpButton;

TEST_F(TimeUpDownTest, ANewEditorStoresAndShowsThePresentMomentCentred)
{
    EXPECT_EQ(control->CurrTime(), kNow);
    EXPECT_EQ(shown(), QStringLiteral("14:05:09"));
    EXPECT_TRUE(text()->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(events.empty());
}

TEST_F(TimeUpDownTest, WritingCurrTimeStoresAnyValueAndRaisesChangeOnceMoreWhenTheTextChanges)
{
    struct Case {
        const char *what;
        date::Date written;
        const char *text;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"a new time", kToday + FromHms(8, 30, 0), "08:30:00", {"Change", "Change"}},
        {"the same time on another day", FromYmd(1999, 1, 1) + FromHms(8, 30, 0), "08:30:00", {"Change"}},
        {"a date outside 1901-2030", FromYmd(2045, 3, 15) + FromHms(23, 0, 1), "23:00:01", {"Change", "Change"}},
        {"the zero date", 0.0, "00:00:00", {"Change", "Change"}},
    };
    for (const Case &c : cases) {
        events.clear();
        site.reported.clear();
        control->SetCurrTime(c.written);
        EXPECT_EQ(control->CurrTime(), c.written) << c.what;
        EXPECT_EQ(shown(), QString::fromUtf8(c.text)) << c.what;
        EXPECT_EQ(events, c.events) << c.what;
        EXPECT_EQ(site.reported, (std::vector<std::string>{"CurrTime"})) << c.what;
    }
}

TEST_F(TimeUpDownTest, TheCaretChoosesTheFieldAndStaysAndAStepRaisesChangeThenClick)
{
    struct Case {
        int caret;
        const char *text;
    };
    const Case cases[] = {
        {0, "15:05:09"},
        {2, "15:05:09"},
        {3, "14:06:09"},
        {5, "14:06:09"},
        {6, "14:05:10"},
        {8, "14:05:10"},
    };
    for (const Case &c : cases) {
        Set(kNow);
        PressAt(c.caret, kUpButton);
        EXPECT_EQ(shown(), QString::fromUtf8(c.text)) << c.caret;
        EXPECT_EQ(text()->cursorPosition(), c.caret);
        EXPECT_EQ(events, (std::vector<std::string>{"Change", "Click"})) << c.caret;
        EXPECT_TRUE(site.reported.empty());
    }
}

TEST_F(TimeUpDownTest, StepsAcrossMidnightMoveTheDay)
{
    Set(kToday + FromHms(23, 59, 59));
    PressAt(8, kUpButton);
    EXPECT_EQ(shown(), QStringLiteral("00:00:00"));
    EXPECT_EQ(control->CurrTime(), kToday + 1);

    Set(kToday + FromHms(0, 30, 0));
    PressAt(0, kDownButton);
    EXPECT_EQ(shown(), QStringLiteral("23:30:00"));
    EXPECT_EQ(date::Format(control->CurrTime(), date::kGeneralPattern), "2002-07-18 23:30:00");
    EXPECT_EQ(events, (std::vector<std::string>{"Change", "Click"}));
    EXPECT_EQ(bar(kDownButton)->value(), 1);
}

TEST_F(TimeUpDownTest, UpAndDownKeysStepLikeTheButtons)
{
    text()->setCursorPosition(4);
    EXPECT_TRUE(Key(Qt::Key_Down));
    EXPECT_EQ(shown(), QStringLiteral("14:04:09"));
    EXPECT_EQ(text()->cursorPosition(), 4);
    EXPECT_EQ(events, (std::vector<std::string>{"Change", "Click"}));
}

TEST_F(TimeUpDownTest, AStepPastTheEndOfTheDateTypeIsNotTaken)
{
    Set(FromYmd(9999, 12, 31) + FromHms(23, 59, 59));
    PressAt(7, kUpButton);
    EXPECT_EQ(shown(), QStringLiteral("23:59:59"));
    EXPECT_EQ(text()->cursorPosition(), 7);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(bar(kUpButton)->value(), 2);
    PressAt(7, kDownButton);
    EXPECT_EQ(shown(), QStringLiteral("23:59:58"));
}

TEST_F(TimeUpDownTest, TheLayoutFixesTheSizeOfEachAppearance)
{
    EXPECT_EQ(control->ExtentTwips(), QSize(1215, 285));
    EXPECT_EQ(text()->size(), QSize(57, 19));
    control->SetAppearance(1);
    EXPECT_EQ(control->ExtentTwips(), QSize(1185, 255));
    EXPECT_EQ(surface()->size(), QSize(79, 17));
    // PicUD index 0 is the upper container and holds the up button, index 1 the down button.
    EXPECT_TRUE(part("PicUD", 0)->isAncestorOf(bar(kUpButton)));
    EXPECT_TRUE(part("PicUD", 1)->isAncestorOf(bar(kDownButton)));
    EXPECT_EQ(part("PicUD", 1)->geometry().bottom(), text()->geometry().bottom());
}

TEST_F(TimeUpDownTest, ALoadedTimeIsShownAsLoadedAndAMissingOneIsThePresentMoment)
{
    Set(kToday + FromHms(1, 2, 3));
    PropertyBag empty;
    control->Load(empty);
    EXPECT_EQ(control->CurrTime(), kNow);
    EXPECT_EQ(shown(), QStringLiteral("14:05:09"));

    PropertyBag bag;
    control->Save(bag);
    EXPECT_EQ(bag.Read("CurrTime"), Variant::FromDate(kNow));
    bag.Write("CurrTime", Variant::FromDate(0.75));
    control->Load(bag);
    EXPECT_EQ(shown(), QStringLiteral("18:00:00"));
    EXPECT_TRUE(events.empty()); // loading raises nothing, though the text changed
}
