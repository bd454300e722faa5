#include "ErrorOf.h"
#include "QxMonthFixture.h"

#include "controls/common/ControlSite.h"
#include "controls/month/MonthColors.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBag.h"

#include <QComboBox>
#include <QLabel>

#include <set>

using namespace corvane;
using Strings = std::vector<std::string>;

namespace
{

struct Site final : ui::ControlSite {
    Strings changes;
    void OnPropertyChanged(DispId id, const char *name) override
    {
        changes.push_back(std::string(name) + "@" + std::to_string(id));
    }
};

Variant Call(QxMonth &month, DispId id, InvokeKind kind, std::vector<Variant> args = {})
{
    Variant result;
    month.Invoke(id, kind, args, result);
    return result;
}

// Calls a member by its published name, as a script host does.
Variant Call(QxMonth &month, const char *name, InvokeKind kind, std::vector<Variant> args = {})
{
    return Call(month, QxMonth::Info().IdOfName(name).value(), kind, std::move(args));
}

} // namespace

TEST_F(QxMonthTest, ANewControlShowsJanuary1901WithItsFirstDaySelected)
{
    EXPECT_EQ(control->CurrDate(), 367.0);
    QApplication::processEvents();
    grid()->grab();
    EXPECT_EQ(part<QComboBox>("CmbUniYear")->currentText(), QStringLiteral("1901"));
    EXPECT_EQ(part<QComboBox>("CmbUniMonth")->currentText(), QStringLiteral("01月"));
    EXPECT_EQ(control->MonthScrollValue(), 1);
    EXPECT_EQ(grid()->Picture().highlightDay, 1);
    EXPECT_EQ(control->AgrYearText(), "庚子年"); // before the lunar New Year of 1901
    EXPECT_EQ(control->AnimalText(), "鼠");
}

TEST_F(QxMonthTest, CurrDateIsHeldToTheYearsReportedAndAlwaysRaisesChange)
{
    Site site;
    control->SetSite(&site);
    const date::Date time = date::FromHms(14, 30, 0);
    struct Case {
        date::Date given;
        date::Date stored;
    };
    const Case cases[] = {
        {date::FromYmd(2040, 5, 17) + time, date::FromYmd(2030, 5, 17)},
        {date::FromYmd(1896, 2, 29), date::FromYmd(1901, 3, 1)},
        {date::FromYmd(2002, 6, 10) + time, date::FromYmd(2002, 6, 10) + time},
        {date::FromYmd(2002, 6, 10) + time, date::FromYmd(2002, 6, 10) + time}, // the same value again
    };
    for (const Case &c : cases) {
        Call(*control, kDispIdValue, InvokeKind::PropertyPut, {Variant::FromDate(c.given)});
        EXPECT_EQ(Call(*control, kDispIdValue, InvokeKind::PropertyGet).AsDate(), c.stored);
    }
    EXPECT_EQ(events, Strings(4, "Change()"));
    EXPECT_EQ(site.changes, Strings(4, "CurrDate@0"));
    EXPECT_EQ(control->AgrYearText(), "壬午年");
    EXPECT_EQ(control->AgrMonthText(), "四月");
    EXPECT_EQ(control->AnimalText(), "马");
    // The routine under the property takes no date outside the years.
    EXPECT_EQ(ErrorOf([this] { control->SelectDate(date::FromYmd(2031, 1, 1)); }), 5);
    EXPECT_EQ(control->CurrDate(), date::FromYmd(2002, 6, 10) + time);
}

TEST_F(QxMonthTest, ColourSettersReportAndRepaintOrRefuseAndKeepTheOldValue)
{
    Select(2002, 7, 19);
    Site site;
    control->SetSite(&site);
    Call(*control, "DateBackColor", InvokeKind::PropertyPut, {Variant(std::int32_t(0x00336699))});
    EXPECT_EQ(grid()->Picture().background, QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(Call(*control, "DateBackColor", InvokeKind::PropertyGet).AsI4(), 0x00336699);
    EXPECT_EQ(ErrorOf([this] {
                  Call(*control, "DateBackColor", InvokeKind::PropertyPut, {Variant(std::int32_t(0x7F000000))});
              }),
              380);
    EXPECT_EQ(control->Colors().DateBackColor, 0x00336699u);
    EXPECT_EQ(site.changes, (Strings{"DateBackColor@" + std::to_string(*QxMonth::Info().IdOfName("DateBackColor"))}));
    EXPECT_TRUE(events.empty());
}

TEST_F(QxMonthTest, TheWeekDayCaptionsTakeTheirColours)
{
    control->SetColor(&month::MonthColors::WeekForeColor, "WeekForeColor", 0x00FF0000);
    control->SetColor(&month::MonthColors::StForeColor, "StForeColor", 0x0000FF00);
    const QList<QLabel *> labels = part("PictWeekday")->findChildren<QLabel *>(QStringLiteral("LabWeekDay"));
    for (const QLabel *label : labels) {
        const int i = label->property("Index").toInt();
        const QColor expected = i == 0 ? QColor(Qt::red) : i == 6 ? QColor(Qt::green) : QColor(Qt::blue);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), expected) << i;
    }
    EXPECT_EQ(Call(*control, "WeekForeColor", InvokeKind::PropertyGet).AsI4(), 0x00FF0000);
}

TEST_F(QxMonthTest, LoadingTakesTheSavedStateAndHoldsTheDateToTheYears)
{
    PropertyBag bag;
    bag.Write("Appearance", std::int16_t(1));
    bag.Write("CurrDate", Variant::FromDate(date::FromYmd(2045, 3, 9) + 0.5));
    bag.Write("Enabled", false);
    control->Load(bag);
    EXPECT_EQ(control->CurrDate(), date::FromYmd(2030, 3, 9));
    EXPECT_EQ(surface()->size(), QSize(293, 215));
    EXPECT_FALSE(grid()->isEnabled());
    EXPECT_EQ(control->Colors().DateBackColor, 0x80000009u);
    EXPECT_EQ(control->Colors().WeekBackColor, 0x8000000Eu);
    grid()->grab();
    EXPECT_EQ(part<QComboBox>("CmbUniYear")->currentText(), QStringLiteral("2030"));
    EXPECT_TRUE(events.empty());

    PropertyBag broken;
    broken.Write("CurrDate", Variant::FromDate(date::FromYmd(2002, 1, 1)));
    broken.Write("SelectColor", Variant(std::int32_t(0x05000000)));
    EXPECT_EQ(ErrorOf([&] { control->Load(broken); }), 380);
    EXPECT_EQ(control->CurrDate(), date::FromYmd(2030, 3, 9)); // nothing of the broken set was taken

    PropertyBag saved;
    control->Save(saved);
    const auto again = MakeObject<QxMonth>();
    again->Load(saved);
    PropertyBag resaved;
    again->Save(resaved);
    EXPECT_EQ(resaved, saved);
}

TEST_F(QxMonthTest, TheInterfaceListsItsMembersInOrderWithTheirIds)
{
    using K = InvokeKind;
    const std::vector<std::tuple<std::string, DispId, K>> expected = {
        {"hWnd", 0x6803000B, K::PropertyGet},
        {"ForeColor", 0x6803000A, K::PropertyGet},
        {"ForeColor", 0x6803000A, K::PropertyPut},
        {"Enabled", 0x68030009, K::PropertyGet},
        {"Enabled", 0x68030009, K::PropertyPut},
        {"Refresh", 0x60030021, K::Method},
        {"Appearance", 0x68030008, K::PropertyGet},
        {"Appearance", 0x68030008, K::PropertyPut},
        {"CurrDate", 0, K::PropertyGet},
        {"CurrDate", 0, K::PropertyPut},
        {"AgrForeColor", 0x68030007, K::PropertyGet},
        {"AgrForeColor", 0x68030007, K::PropertyPut},
        {"FestForeColor", 0x68030006, K::PropertyGet},
        {"FestForeColor", 0x68030006, K::PropertyPut},
        {"DateBackColor", 0x68030005, K::PropertyGet},
        {"DateBackColor", 0x68030005, K::PropertyPut},
        {"WeekForeColor", 0x68030004, K::PropertyGet},
        {"WeekForeColor", 0x68030004, K::PropertyPut},
        {"StForeColor", 0x68030003, K::PropertyGet},
        {"StForeColor", 0x68030003, K::PropertyPut},
        {"WeekBackColor", 0x68030002, K::PropertyGet},
        {"WeekBackColor", 0x68030002, K::PropertyPut},
        {"sTermBackColor", 0x68030001, K::PropertyGet},
        {"sTermBackColor", 0x68030001, K::PropertyPut},
        {"SelectColor", 0x68030000, K::PropertyGet},
        {"SelectColor", 0x68030000, K::PropertyPut},
        {"About", -552, K::Method},
        {"GetAgrNumDate", 0x6003002F, K::Method},
        {"GetAgrStrDate", 0x60030030, K::Method},
        {"GetsTermString", 0x60030031, K::Method},
        {"GetsTermDateTime", 0x60030032, K::Method},
        {"GetEraNumber", 0x60030033, K::Method},
        {"GetEraString", 0x60030034, K::Method},
        {"AgrDateToUniDate", 0x60030035, K::Method},
    };
    const ClassInfo &info = QxMonth::Info();
    ASSERT_EQ(info.Members().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const MemberInfo &m = info.Members()[i];
        EXPECT_EQ(std::tuple(std::string(m.name), m.id, m.kind), expected[i]) << i;
    }
    EXPECT_STREQ(info.Members()[8].help, "设置/返回控件的当前日期。为缺省属性。");
    EXPECT_EQ(ErrorOf([this] { Call(*control, "hWnd", InvokeKind::PropertyPut, {Variant(std::int32_t(1))}); }), 383);

    const Strings events =
        {"Click", "DblClick", "KeyDown", "KeyPress", "KeyUp", "MouseDown", "MouseMove", "MouseUp", "Change"};
    ASSERT_EQ(info.Events().size(), events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        const EventInfo &e = info.Events()[i];
        EXPECT_EQ(e.name, events[i]);
        EXPECT_EQ(e.id, DispId(i + 1));
        for (const ParamInfo &p : e.params)
            EXPECT_TRUE(p.ByRef()) << e.name << " " << p.name;
    }
    EXPECT_STREQ(info.FindEvent(QxMonth::kChange)->help, "Occurs when the contents of a control have changed.");
    EXPECT_EQ(info.FindEvent(QxMonth::kMouseDown)->params[2].type.vt, VarType::R4);
}

TEST_F(QxMonthTest, TheCalendarMethodsAnswerThroughTheControl)
{
    const Variant text =
        Call(*control, "GetsTermString", InvokeKind::Method, {Variant(std::int16_t(2002)), Variant(std::int16_t(13))});
    EXPECT_EQ(text.AsString(), "小暑：7日15时40分");
}

TEST_F(QxMonthTest, RefreshRepaintsEveryPartAtOnce)
{
    struct Painted final : QObject {
        std::set<QObject *> seen;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                seen.insert(watched);
            return false;
        }
    } painted;
    QApplication::processEvents();
    const char *parts[] =
        {"PictBack", "PictBoard", "LabAgrCal", "CmbUniYear", "HScMonth", "PictWeekday", "LabJQback", "PicMonth"};
    for (const char *name : parts)
        part(name)->installEventFilter(&painted);
    Call(*control, "Refresh", InvokeKind::Method);
    for (const char *name : parts)
        EXPECT_TRUE(painted.seen.count(part(name))) << name;
}
