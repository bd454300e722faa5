#include "QxMonthFixture.h"

#include "controls/month/MonthLayout.h"
#include "platform/automation/AutomationError.h"
#include "platform/ui/Twips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>

using namespace corvane;
namespace layout = corvane::month::layout;

namespace
{

// Where a part sits relative to its container's inner area, in pixels.
QRect PlacedIn(const QWidget &part, const QWidget &container)
{
    const QPoint origin = container.contentsRect().topLeft();
    return QRect(part.mapTo(&container, QPoint(0, 0)) - origin, part.size());
}

// The control's outer size, Flat and 3D, and the last week-day caption, as the design gives them.
static_assert(layout::kFlatWidth == 4365 && layout::kFlatHeight == 3195);
static_assert(layout::k3DWidth == 4395 && layout::k3DHeight == 3225);
static_assert(layout::LabWeekDay(0) == ui::TwipsRect{30, 30, 585, 225});
static_assert(layout::LabWeekDay(6) == ui::TwipsRect{3720, 30, 585, 225});

} // namespace

TEST_F(QxMonthTest, EveryPartSitsInItsContainerWhereTheLayoutPutsIt)
{
    struct Case {
        const char *name;
        const char *container;
        ui::TwipsRect rect;
    };
    const Case cases[] = {
        {"PictBack", "QxMonth", {0, 0, 4365, 3195}},       {"PicMonth", "PictBack", {0, 600, 4365, 2295}},
        {"PicBack", "PictBack", {0, 0, 4365, 345}},        {"PictBoard", "PicBack", {180, -30, 3975, 375}},
        {"HScMonth", "PicBack", {-30, -30, 4395, 390}},    {"Pictcmby", "PictBoard", {90, 90, 705, 165}},
        {"CmbUniYear", "Pictcmby", {-30, -60, 795, 300}},  {"PicColY", "Pictcmby", {480, 0, 60, 450}},
        {"Pictcmbm", "PictBoard", {960, 90, 645, 165}},    {"CmbUniMonth", "Pictcmbm", {-30, -60, 735, 300}},
        {"PictColM", "Pictcmbm", {420, -30, 60, 450}},     {"LabAgrCal", "PictBoard", {1890, 90, 405, 195}},
        {"LabAgrYear", "PictBoard", {2370, 90, 585, 195}}, {"LabAgrMonth", "PictBoard", {2970, 90, 375, 195}},
        {"LabAnimal", "PictBoard", {3540, 90, 285, 195}},  {"PictWeekday", "PictBack", {0, 330, 4365, 285}},
        {"LabToday", "PictBack", {3810, 2940, 405, 195}},  {"LabJie", "PictBack", {180, 2940, 1665, 255}},
        {"LabQi", "PictBack", {1950, 2940, 1665, 255}},    {"LabJQback", "PictBack", {0, 2880, 4365, 315}},
    };
    const ui::TwipsScale scale = control->Scale();
    for (const Case &c : cases) {
        const QWidget *widget = part(c.name);
        ASSERT_NE(widget, nullptr) << c.name;
        const QWidget *container = std::string(c.container) == "QxMonth" ? surface() : part(c.container);
        ASSERT_TRUE(container->isAncestorOf(widget)) << c.name;
        EXPECT_EQ(PlacedIn(*widget, *container), scale.ToPixels(c.rect)) << c.name;
    }
    const QList<QLabel *> weekDays = part("PictWeekday")->findChildren<QLabel *>(QStringLiteral("LabWeekDay"));
    ASSERT_EQ(weekDays.size(), 7);
    for (const QLabel *label : weekDays) {
        const int i = label->property("Index").toInt();
        EXPECT_EQ(PlacedIn(*label, *part("PictWeekday")), scale.ToPixels(ui::TwipsRect{30 + 615 * i, 30, 585, 225}))
            << i;
        EXPECT_EQ(label->text(), QString::fromUtf8("星期") + QString::fromUtf8("日一二三四五六").at(i));
    }
    EXPECT_EQ(surface()->size(), QSize(291, 213));
    EXPECT_EQ(control->CellWidth(), 621);
    EXPECT_EQ(control->CellHeight(), 380);
}

TEST_F(QxMonthTest, TheGridLiesInFrontOfTheStripsAndTheBoardInFrontOfTheArrows)
{
    const QObjectList &inner = part("PicMonth")->parentWidget()->children();
    const auto order = [&inner, this](const char *name) { return inner.indexOf(part(name)); };
    EXPECT_GT(order("PicMonth"), order("PictWeekday"));
    EXPECT_GT(order("PicMonth"), order("LabJQback"));
    for (const char *caption : {"LabJie", "LabQi", "LabToday"})
        EXPECT_GT(order(caption), order("LabJQback")) << caption;
    const QObjectList &header = part("PicBack")->children();
    EXPECT_GT(header.indexOf(part("PictBoard")), header.indexOf(part("HScMonth")));
    EXPECT_GT(part("Pictcmby")->children().indexOf(part("PicColY")),
              part("Pictcmby")->children().indexOf(part("CmbUniYear")));
}

TEST_F(QxMonthTest, CaptionsToolTipsAndWeightsAreThoseOfTheDesign)
{
    struct Case {
        const char *name;
        const char *toolTip;
        bool bold;
    };
    const Case cases[] = {
        {"CmbUniYear", "公历年份", true},
        {"CmbUniMonth", "公历月份", true},
        {"LabAgrYear", "农历年份", false},
        {"LabAgrMonth", "农历月份", false},
        {"LabAnimal", "属相", false},
        {"LabToday", "2002年07月19日", true},
        {"LabAgrCal", "", false},
        {"LabJie", "", false},
    };
    for (const Case &c : cases) {
        const QWidget *widget = part(c.name);
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(c.toolTip)) << c.name;
        EXPECT_EQ(widget->font().bold(), c.bold) << c.name;
        EXPECT_EQ(QFontInfo(widget->font()).pixelSize(), 12) << c.name;
    }
    EXPECT_EQ(part<QLabel>("LabAgrCal")->text(), QStringLiteral("农历"));
    EXPECT_EQ(part<QLabel>("LabToday")->text(), QStringLiteral("今天"));
    EXPECT_TRUE(part<QLabel>("LabAgrCal")->alignment() & Qt::AlignLeft);
    EXPECT_TRUE(part<QLabel>("LabAgrYear")->alignment() & Qt::AlignHCenter);
}

TEST_F(QxMonthTest, TheFixedPartsTakeTheirSystemColours)
{
    grid()->grab();
    const QPalette &system = surface()->palette();
    struct Case {
        const char *name;
        QPalette::ColorRole role;
        QPalette::ColorRole system;
    };
    const Case cases[] = {
        {"PictBack", QPalette::Window, QPalette::Base}, // 0x80000005 window
        {"PictBoard", QPalette::Window, QPalette::Button}, // 0x8000000F button face
        {"PicColY", QPalette::Window, QPalette::Button},
        {"Pictcmbm", QPalette::Window, QPalette::Base},
        {"LabJQback", QPalette::Window, QPalette::Button}, // sTermBackColor 0x8000000F
        {"PictWeekday", QPalette::Window, QPalette::Base}, // WeekBackColor 0x80000005
        {"LabAgrCal", QPalette::WindowText, QPalette::ButtonText}, // 0x80000012 button text
        {"LabToday", QPalette::WindowText, QPalette::ButtonText},
        {"LabJie", QPalette::WindowText, QPalette::Text}, // 0x80000008 window text
    };
    for (const Case &c : cases)
        EXPECT_EQ(part(c.name)->palette().color(c.role), system.color(c.system)) << c.name;
    EXPECT_EQ(grid()->Picture().background, system.color(QPalette::HighlightedText)); // DateBackColor 0x8000000E
}

TEST_F(QxMonthTest, TheListsHoldTheYearsAndMonthsAndOpenToANormalHeight)
{
    auto *years = part<QComboBox>("CmbUniYear");
    auto *months = part<QComboBox>("CmbUniMonth");
    ASSERT_EQ(years->count(), 130);
    EXPECT_EQ(years->itemText(0), QStringLiteral("1901"));
    EXPECT_EQ(years->itemText(129), QStringLiteral("2030"));
    ASSERT_EQ(months->count(), 12);
    EXPECT_EQ(months->itemText(0), QStringLiteral("01月"));
    EXPECT_EQ(months->itemText(11), QStringLiteral("12月"));

    years->showPopup();
    const QWidget *popup = years->view()->window();
    ASSERT_TRUE(popup->isVisible());
    const int row = years->view()->sizeHintForRow(0);
    EXPECT_LE(popup->height(), (years->maxVisibleItems() + 1) * row);
    EXPECT_LT(popup->height(), surface()->screen()->availableGeometry().height() / 2);
    years->hidePopup();
}

TEST_F(QxMonthTest, AppearanceGivesTheFrameItsBorderAndTheControlItsSize)
{
    const QWidget *inner = part("PicMonth")->parentWidget();
    control->SetAppearance(1);
    EXPECT_EQ(surface()->size(), QSize(293, 215)); // 4395 x 3225 twips
    EXPECT_EQ(control->ExtentTwips(), QSize(4395, 3225));
    EXPECT_EQ(inner->pos(), QPoint(1, 1));
    surface()->resize(400, 400);
    EXPECT_EQ(surface()->size(), QSize(293, 215));
    control->SetAppearance(0);
    EXPECT_EQ(surface()->size(), QSize(291, 213));
    EXPECT_EQ(inner->pos(), QPoint(0, 0));
    try {
        control->SetAppearance(2);
        ADD_FAILURE() << "Appearance 2 was taken";
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), 380);
    }
    EXPECT_EQ(control->Appearance(), 0);
}

TEST_F(QxMonthTest, TheSolarTermCaptionsShowHashUntilTheFirstPaint)
{
    const auto fresh = MakeObject<QxMonth>();
    fresh->InitNew();
    auto *jie = fresh->Surface()->findChild<QLabel *>(QStringLiteral("LabJie"));
    EXPECT_EQ(jie->text(), QStringLiteral("#"));
    fresh->Surface()->grab();
    EXPECT_EQ(jie->text(), QStringLiteral("小寒：6日07时53分"));
    EXPECT_EQ(fresh->CurrDate(), 367.0);
}
