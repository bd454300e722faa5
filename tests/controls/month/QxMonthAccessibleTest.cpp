#include "QxMonthFixture.h"

#include "controls/month/MonthGridAccessible.h"

#include <QAccessible>
#include <QLabel>
#include <QScrollBar>

#include <tuple>

namespace
{

using corvane::month::GridCellChild;

// What the control shows assistive technology, and what it tells it.
class QxMonthAccessible : public QxMonthTest
{
protected:
    void SetUp() override
    {
        QxMonthTest::SetUp();
        corvane::month::SetGridAnnouncementListener(
            [this](QAccessibleEvent &event) { heard.emplace_back(event.type(), event.child()); });
    }
    void TearDown() override { corvane::month::SetGridAnnouncementListener({}); }

    QAccessibleInterface *table() const { return QAccessible::queryAccessibleInterface(grid()); }
    QAccessibleInterface *cell(int row, int column) const { return table()->tableInterface()->cellAt(row, column); }
    static QString name(QAccessibleInterface *iface) { return iface->text(QAccessible::Name); }

    std::vector<std::tuple<QAccessible::Event, int>> heard;
};

TEST_F(QxMonthAccessible, TheGridIsATableOfSixWeeksUnderTheWeekDays)
{
    Select(2002, 7, 19);
    QAccessibleInterface *grid = table();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    EXPECT_EQ(name(grid), "2002年7月");
    QAccessibleTableInterface *t = grid->tableInterface();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->rowCount(), 6);
    EXPECT_EQ(t->columnCount(), 7);
    EXPECT_EQ(grid->childCount(), 7 + 42);
    const char *days[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(grid->child(column)->role(), QAccessible::ColumnHeader);
        EXPECT_EQ(name(grid->child(column)), QString::fromUtf8(days[column]));
        EXPECT_EQ(t->columnDescription(column), QString::fromUtf8(days[column]));
    }
    for (int index = 7; index < grid->childCount(); ++index) {
        EXPECT_EQ(grid->child(index)->role(), QAccessible::Cell);
        EXPECT_EQ(grid->indexOfChild(grid->child(index)), index);
        EXPECT_EQ(grid->child(index)->parent(), grid);
    }
}

TEST_F(QxMonthAccessible, EachDayCellIsNamedAndStatedAsShown)
{
    Select(2002, 7, 19);
    // July 2002 begins on a Monday: the 19th is the Friday of the third week.
    QAccessibleInterface *today = cell(2, 5);
    EXPECT_EQ(name(today), "2002年7月19日 星期五 农历六月初十");
    EXPECT_EQ(today->text(QAccessible::Description), "今天");
    EXPECT_TRUE(today->state().selected);
    EXPECT_TRUE(today->state().focused);
    QAccessibleTableCellInterface *at = today->tableCellInterface();
    ASSERT_NE(at, nullptr);
    EXPECT_EQ(at->rowIndex(), 2);
    EXPECT_EQ(at->columnIndex(), 5);
    EXPECT_EQ(name(at->columnHeaderCells().value(0)), "星期五");
    EXPECT_EQ(at->table(), table());
    EXPECT_EQ(table()->focusChild(), today);
    EXPECT_EQ(table()->tableInterface()->selectedCells(), QList<QAccessibleInterface *>{today});

    QAccessibleInterface *first = cell(0, 1);
    EXPECT_EQ(name(first), "2002年7月1日 星期一 农历五月廿一 建党节");
    EXPECT_TRUE(first->text(QAccessible::Description).isEmpty());
    EXPECT_FALSE(first->state().selected);
    EXPECT_FALSE(first->state().focused);

    for (const auto &[row, column] : {std::pair{0, 0}, std::pair{4, 4}, std::pair{5, 6}}) {
        EXPECT_TRUE(name(cell(row, column)).isEmpty()) << row << "," << column << " lies outside July";
        EXPECT_FALSE(cell(row, column)->state().selectable);
    }
    // The cell covers the day's pixels, and the point finds the cell.
    const QPoint centre = grid()->mapToGlobal(DayPoint(19));
    EXPECT_TRUE(today->rect().contains(centre));
    EXPECT_EQ(table()->childAt(centre.x(), centre.y()), today);
}

TEST_F(QxMonthAccessible, CellsFollowTheMonthShownAndTheFocus)
{
    Select(2002, 7, 19);
    QAccessibleInterface *monday = cell(0, 1);
    Select(2002, 9, 2); // September 2002 begins on a Sunday
    EXPECT_EQ(name(table()), "2002年9月");
    EXPECT_EQ(name(monday), "2002年9月2日 星期一 农历七月廿五");
    EXPECT_TRUE(monday->state().selected);
    EXPECT_TRUE(cell(0, 1)->text(QAccessible::Description).isEmpty()) << "today is not in September";
    part("CmbUniYear")->setFocus();
    EXPECT_TRUE(monday->state().selected);
    EXPECT_FALSE(monday->state().focused);
    EXPECT_EQ(table()->focusChild(), nullptr);
}

TEST_F(QxMonthAccessible, AKeyMoveTellsTheSelectionAndTheFocusOfTheNewCell)
{
    using E = QAccessible::Event;
    Select(2002, 7, 19);
    heard.clear();
    Key(Qt::Key_Right);
    EXPECT_EQ(heard, (decltype(heard){{E::Selection, GridCellChild(2, 6)}, {E::Focus, GridCellChild(2, 6)}}));

    heard.clear();
    Key(Qt::Key_PageDown); // 20 August 2002, a Tuesday: a new month, so a new table name
    EXPECT_EQ(
        heard,
        (decltype(heard){{E::NameChanged, -1}, {E::Selection, GridCellChild(3, 2)}, {E::Focus, GridCellChild(3, 2)}}));

    heard.clear();
    Key(Qt::Key_F2); // no move: nothing to tell
    grid()->repaint();
    EXPECT_TRUE(heard.empty());
}

TEST_F(QxMonthAccessible, ASelectionWithoutTheFocusTellsNoFocus)
{
    using E = QAccessible::Event;
    Select(2002, 7, 19);
    part("CmbUniMonth")->setFocus();
    heard.clear();
    control->SetCurrDate(corvane::date::FromYmd(2002, 7, 4));
    EXPECT_EQ(heard, (decltype(heard){{E::Selection, GridCellChild(0, 4)}}));

    heard.clear();
    grid()->setFocus();
    EXPECT_EQ(heard, (decltype(heard){{E::Focus, GridCellChild(0, 4)}}));
}

// Every part that shows something or can be worked has a name and a fitting role.
TEST_F(QxMonthAccessible, ThePartsOfTheControlHaveNamesAndRoles)
{
    Select(2002, 7, 19);
    struct Expected {
        const char *part;
        QAccessible::Role role;
        const char *name;
    };
    // A list is named by the entry it shows, as every combo box is; its description says what it
    // holds.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(part("CmbUniYear"))->text(QAccessible::Description), "公历年份");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(part("CmbUniMonth"))->text(QAccessible::Description), "公历月份");
    const Expected rows[] = {
        {"CmbUniYear", QAccessible::ComboBox, "2002"},
        {"CmbUniMonth", QAccessible::ComboBox, "07月"},
        {"HScMonth", QAccessible::Grouping, "月份"},
        {"LabAgrCal", QAccessible::StaticText, "农历"},
        {"LabAgrYear", QAccessible::StaticText, "壬午年"},
        {"LabAgrMonth", QAccessible::StaticText, "六月"},
        {"LabAnimal", QAccessible::StaticText, "马"},
        {"LabToday", QAccessible::StaticText, "今天"},
    };
    for (const Expected &row : rows) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(part(row.part));
        ASSERT_NE(iface, nullptr) << row.part;
        EXPECT_EQ(iface->role(), row.role) << row.part;
        EXPECT_EQ(name(iface), QString::fromUtf8(row.name)) << row.part;
    }
    // The solar terms read as they show, the month's first term first.
    for (const char *term : {"LabJie", "LabQi"}) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(part(term));
        EXPECT_EQ(name(iface), part<QLabel>(term)->text()) << term;
        EXPECT_EQ(iface->text(QAccessible::Description), "本月节气") << term;
    }
    EXPECT_TRUE(name(QAccessible::queryAccessibleInterface(part("LabJie"))).startsWith("小暑"));
    EXPECT_TRUE(name(QAccessible::queryAccessibleInterface(part("LabQi"))).startsWith("大暑"));

    QAccessibleInterface *arrows = QAccessible::queryAccessibleInterface(part("HScMonth"));
    ASSERT_EQ(arrows->childCount(), 2);
    EXPECT_EQ(arrows->child(0)->role(), QAccessible::Button);
    EXPECT_EQ(name(arrows->child(0)), "上个月");
    EXPECT_EQ(name(arrows->child(1)), "下个月");
    EXPECT_EQ(arrows->indexOfChild(arrows->child(1)), 1);
}

TEST_F(QxMonthAccessible, TheMonthArrowsStepAsAClickDoes)
{
    Select(2002, 7, 19);
    QAccessibleInterface *arrows = QAccessible::queryAccessibleInterface(part("HScMonth"));
    arrows->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Current().month, 8);
    EXPECT_EQ(events, std::vector<std::string>{"Change()"});
    arrows->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    arrows->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Current().month, 6);

    Select(1901, 1, 5);
    EXPECT_TRUE(arrows->child(0)->state().disabled) << "no month before January 1901";
    EXPECT_FALSE(arrows->child(1)->state().disabled);
    arrows->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Current().year, 1901);
    EXPECT_TRUE(events.empty());
}

} // namespace
