// The main form driven through its own parts; the controls are the library's, reached through the C ABI.
#include "DemoFixture.h"
#include "platform/date/DateFormat.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <array>
#include <cmath>

using corvdemo::FrmDemo;

namespace
{

constexpr double kJuly8 = 37445.0; // 2002-07-08: lunar 5th month, after 小暑 (7 July)

class FrmDemoTest : public DemoTest
{
protected:
    FrmDemo &form = StartMain();

    QString TextOf(const char *name, int index = 0) { return Part<QLineEdit>(form, name, index)->text(); }
    const corvdemo::HostedControl &Control(const char *name) { return *form.Control(name); }
    std::string LastMessage() { return messages.texts.empty() ? "" : messages.texts.back(); }
    std::string DemoMessage(int index)
    {
        Click(form, "CmdDemo", index);
        return LastMessage();
    }
};

} // namespace

TEST_F(FrmDemoTest, LoadingPutsNowIntoTheCalendarAndTheSpinControlsAndSelectsTheForegroundColour)
{
    EXPECT_EQ(DateOf(form.Control("DateUpDown")), kNow);
    EXPECT_EQ(DateOf(form.Control("DateUD")), kNow);
    EXPECT_EQ(DateOf(form.Control("QxMonth")), kNow);
    EXPECT_EQ(DateOf(form.Control("TimeUD")), kNow);
    EXPECT_EQ(form.DemoDate(), kNow);

    const QComboBox *colours = Part<QComboBox>(form, "CmbCol");
    ASSERT_EQ(colours->count(), 9);
    for (int i = 0; i < colours->count(); ++i)
        EXPECT_EQ(colours->itemData(i).toInt(), i);
    EXPECT_EQ(colours->currentText(), QStringLiteral("文字前景色"));
    // The calendar carries its saved colours, the "当前值" spin control its cyan.
    EXPECT_EQ(Control("QxMonth").Object().Get("DateBackColor").I4(), std::int32_t(0x8000000E));
    EXPECT_EQ(Control("QxMonth").Object().Get("WeekBackColor").I4(), std::int32_t(0x80000005));
    EXPECT_EQ(Control("DateUpDown").Object().Get("BackColor").I4(), 0x00FFFF00);
    EXPECT_EQ(Control("DateUD").Object().Get("BackColor").I4(), std::int32_t(0x80000005));
}

TEST_F(FrmDemoTest, TheLunarBarsRunDownwardsAndTheConversionShowsTheGregorianDate)
{
    EXPECT_EQ(TextOf("TxtAgrY"), QStringLiteral("1901"));
    EXPECT_EQ(TextOf("TxtAgrM"), QStringLiteral("1"));
    EXPECT_EQ(TextOf("TxtAgrD"), QStringLiteral("1"));
    EXPECT_EQ(Part<QScrollBar>(form, "VScAgrD")->minimum(), 1); // day 30 is not offered
    Click(form, "CmdA2U");
    EXPECT_EQ(LastMessage(), "1901年02月19日"); // lunar New Year 1901
    EXPECT_EQ(messages.titles.back(), "Corvdemo");

    struct Case {
        int year, month, day;
        bool leap;
        const char *message;
    };
    const Case cases[] = {
        {2001, 4, 1, true, "2001年05月23日"}, // the leap 4th month
        {2001, 4, 1, false, "2001年04月23日"},
        {2001, 3, 1, true, "无此日期"}, // 2001 repeats the 4th month, not the 3rd
        {2002, 4, 1, true, "无此日期"}, // 2002 has no leap month: no date, not 1899-12-30
    };
    for (const Case &c : cases) {
        Part<QScrollBar>(form, "VScAgrY")->setValue(3931 - c.year);
        Part<QScrollBar>(form, "VScAgrM")->setValue(13 - c.month);
        Part<QScrollBar>(form, "VScAgrD")->setValue(30 - c.day);
        Part<QCheckBox>(form, "ChkLeep")->setChecked(c.leap);
        EXPECT_EQ(TextOf("TxtAgrY"), QString::number(c.year));
        EXPECT_EQ(TextOf("TxtAgrD"), QString::number(c.day));
        Click(form, "CmdA2U");
        EXPECT_EQ(LastMessage(), c.message) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST_F(FrmDemoTest, TheMethodButtonsReportTheDemoDate)
{
    EXPECT_EQ(DemoMessage(0), "2002年0(是否为闰月)6月,实际月序6月10日");
    EXPECT_EQ(DemoMessage(1), "壬午年六月初十日");
    // July asks for term 13, 小暑; the moment must be the one the calendar class gives.
    const corv::Object cal = corv::Object::Create("Corvane.CQxCal");
    const double moment = cal.Call("GetsTermDateTime", std::int16_t(2002), std::int16_t(13)).Date();
    EXPECT_EQ(DemoMessage(2), corvane::date::GeneralText(moment));
    EXPECT_EQ(LastMessage().rfind("2002-07-0", 0), 0u);
    EXPECT_EQ(DemoMessage(3).rfind("小暑：", 0), 0u);
    EXPECT_EQ(DemoMessage(4), "19,44,25,54");
    EXPECT_EQ(DemoMessage(5), "壬午,丁未,戊子,丁巳");
    EXPECT_EQ(messages.texts.size(), 6u);
}

TEST_F(FrmDemoTest, TheEraModeOptionChoosesLunarOrSolarTermMonths)
{
    Control("DateUD").Put(0, corv::Variant::Date(kJuly8));
    EXPECT_EQ(form.DemoDate(), kJuly8); // through DateUD's Change
    EXPECT_EQ(DemoMessage(5).substr(0, 13), "壬午,丙午"); // lunar 5th month
    Click(form, "OptEraMode", 1);
    EXPECT_EQ(DemoMessage(5).substr(0, 13), "壬午,丁未"); // past 小暑
    EXPECT_EQ(DemoMessage(4).substr(0, 6), "19,44,");
}

TEST_F(FrmDemoTest, TheColourBarsMixTheSwatchAndSetWritesItToTheChosenCalendarColour)
{
    const auto swatch = [this] { return Part<QLabel>(form, "LabCol")->palette().color(QPalette::Window); };
    for (int i = 0; i < 3; ++i)
        Part<QScrollBar>(form, "VScR", i)->setValue(255);
    EXPECT_EQ(TextOf("TxtR", 0), QStringLiteral("0"));
    EXPECT_EQ(swatch(), QColor(Qt::black));
    for (int i = 0; i < 3; ++i)
        Part<QScrollBar>(form, "VScR", i)->setValue(0);
    EXPECT_EQ(swatch(), QColor(Qt::white));

    // Entry i of the list names the property the demo must reach, whatever its dispatch id.
    const std::array<const char *, 9> properties = {"DateBackColor",
                                                    "ForeColor",
                                                    "AgrForeColor",
                                                    "FestForeColor",
                                                    "WeekForeColor",
                                                    "StForeColor",
                                                    "WeekBackColor",
                                                    "sTermBackColor",
                                                    "SelectColor"};
    for (int i = 0; i < 9; ++i) {
        const int red = 10 + i, green = 100 + i, blue = 200 + i;
        Part<QScrollBar>(form, "VScR", 0)->setValue(255 - red);
        Part<QScrollBar>(form, "VScR", 1)->setValue(255 - green);
        Part<QScrollBar>(form, "VScR", 2)->setValue(255 - blue);
        Part<QComboBox>(form, "CmbCol")->setCurrentIndex(i);
        Click(form, "CmdSet");
        EXPECT_EQ(Control("QxMonth").Object().Get(properties[std::size_t(i)]).I4(), red | green << 8 | blue << 16)
            << properties[std::size_t(i)];
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FrmDemoTest, TheAppearanceOptionsSwitchTheCalendar)
{
    Click(form, "OptAppearance", 1);
    EXPECT_EQ(Control("QxMonth").Object().Get("Appearance").I4(), 1);
    Click(form, "OptAppearance", 0);
    EXPECT_EQ(Control("QxMonth").Object().Get("Appearance").I4(), 0);
}

TEST_F(FrmDemoTest, TheCalendarAndTheSpinControlsFollowEachOther)
{
    // A step of the "当前值" spin control moves the calendar, which sets both spin controls back.
    SpinUp(Control("DateUpDown"), "VScrollUpDown");
    const double stepped = DateOf(form.Control("DateUpDown"));
    EXPECT_NE(stepped, kNow);
    EXPECT_EQ(DateOf(form.Control("QxMonth")), stepped);
    EXPECT_EQ(DateOf(form.Control("DateUD")), stepped);
    EXPECT_EQ(form.DemoDate(), stepped);

    // A key in the calendar's grid moves both spin controls and the demo date.
    QWidget *grid = Part<QWidget>(*Control("QxMonth").Window(), "PicMonth");
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(grid, &right);
    const double moved = DateOf(form.Control("QxMonth"));
    EXPECT_EQ(std::floor(moved), std::floor(stepped) + 1);
    EXPECT_EQ(DateOf(form.Control("DateUpDown")), moved);
    EXPECT_EQ(form.DemoDate(), moved);

    // DateUD steps only the demo date.
    SpinUp(Control("DateUD"), "VScrollUpDown");
    EXPECT_NE(form.DemoDate(), moved);
    EXPECT_EQ(form.DemoDate(), DateOf(form.Control("DateUD")));
    EXPECT_EQ(DateOf(form.Control("QxMonth")), moved);
}
