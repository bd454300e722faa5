#include "corvane/DateSpinEdit.h"
#include "corvane/LunarCalendarWidget.h"
#include "corvane/LunarDatePicker.h"
#include "corvane/TimeSpinEdit.h"

#include <QFile>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <gtest/gtest.h>

#include <memory>

namespace
{

// QUiLoader with only the built plugin's folder to look in.
class FormLoadTest : public testing::Test
{
protected:
    void SetUp() override
    {
        loader.clearPluginPaths();
        loader.addPluginPath(QStringLiteral(CORVANE_DESIGNER_PLUGIN_DIR));
    }
    // Loads the form and finds its four widgets.
    void Load()
    {
        QFile file(QStringLiteral(CORVANE_FORM));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        form.reset(loader.load(&file));
        ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
        calendar = form->findChild<corvane::LunarCalendarWidget *>(QStringLiteral("lunarCalendar"));
        picker = form->findChild<corvane::LunarDatePicker *>(QStringLiteral("lunarDatePicker"));
        dateEdit = form->findChild<corvane::DateSpinEdit *>(QStringLiteral("dateSpinEdit"));
        timeEdit = form->findChild<corvane::TimeSpinEdit *>(QStringLiteral("timeSpinEdit"));
        ASSERT_TRUE(calendar && picker && dateEdit && timeEdit);
    }
    QUiLoader loader;
    std::unique_ptr<QWidget> form;
    corvane::LunarCalendarWidget *calendar = nullptr;
    corvane::LunarDatePicker *picker = nullptr;
    corvane::DateSpinEdit *dateEdit = nullptr;
    corvane::TimeSpinEdit *timeEdit = nullptr;
};

TEST_F(FormLoadTest, ThePluginOffersTheFourWidgetsInTheCorvaneGroup)
{
    QPluginLoader plugin(QStringLiteral(CORVANE_DESIGNER_PLUGIN_FILE));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(plugin.instance());
    ASSERT_NE(collection, nullptr) << plugin.errorString().toStdString();
    QStringList names;
    for (QDesignerCustomWidgetInterface *widget : collection->customWidgets()) {
        names << widget->name();
        EXPECT_EQ(widget->group(), QStringLiteral("Corvane"));
        EXPECT_FALSE(widget->icon().isNull());
        EXPECT_FALSE(widget->toolTip().isEmpty());
        EXPECT_TRUE(widget->includeFile().startsWith(QStringLiteral("corvane/")));
        EXPECT_TRUE(widget->domXml().contains(widget->name()));
        EXPECT_TRUE(loader.availableWidgets().contains(widget->name())) << widget->name().toStdString();
    }
    names.sort();
    EXPECT_EQ(names,
              QStringList({"corvane::DateSpinEdit",
                           "corvane::LunarCalendarWidget",
                           "corvane::LunarDatePicker",
                           "corvane::TimeSpinEdit"}));
}

TEST_F(FormLoadTest, AFormLoadsWithThePropertiesItsXmlSets)
{
    ASSERT_NO_FATAL_FAILURE(Load());

    EXPECT_EQ(calendar->selectedDate(), QDate(2002, 2, 12));
    EXPECT_EQ(calendar->minimumDate(), QDate(2001, 1, 1));
    EXPECT_EQ(calendar->appearance(), corvane::LunarCalendarWidget::ThreeD);
    EXPECT_EQ(calendar->textColor(), QColor(18, 52, 86));
    EXPECT_EQ(picker->date(), QDate(2001, 5, 23));
    EXPECT_EQ(picker->captionFormat(), corvane::LunarDatePicker::LunarMonthDay);
    EXPECT_EQ(picker->caption(), QString::fromUtf8("2001年05月23日 农历: 闰四 初一日"));
    EXPECT_EQ(picker->backgroundColor(), QColor(Qt::yellow));
    EXPECT_EQ(dateEdit->date(), QDate(1999, 12, 31));
    EXPECT_EQ(dateEdit->appearance(), corvane::DateSpinEdit::ThreeD);
    EXPECT_EQ(timeEdit->time(), QTime(23, 59, 58));
    EXPECT_EQ(timeEdit->textColor(), QColor(200, 0, 0));
}

TEST_F(FormLoadTest, TheLoadedWidgetsSignal)
{
    ASSERT_NO_FATAL_FAILURE(Load());

    QSignalSpy selection(calendar, SIGNAL(selectionChanged()));
    QSignalSpy pickedDate(picker, SIGNAL(dateChanged(QDate)));
    QSignalSpy editedDate(dateEdit, SIGNAL(dateChanged(QDate)));
    QSignalSpy editedTime(timeEdit, SIGNAL(timeChanged(QTime)));
    // The user property, as item views and QDataWidgetMapper set it.
    for (QWidget *widget :
         {static_cast<QWidget *>(calendar), static_cast<QWidget *>(picker), static_cast<QWidget *>(dateEdit)})
        EXPECT_TRUE(widget->metaObject()->userProperty().write(widget, QDate(2003, 3, 3)));
    EXPECT_TRUE(timeEdit->metaObject()->userProperty().write(timeEdit, QTime(1, 2, 3)));
    EXPECT_EQ(selection.count(), 1);
    EXPECT_EQ(pickedDate.count(), 1);
    EXPECT_EQ(editedDate.count(), 1);
    EXPECT_EQ(editedTime.count(), 1);
    EXPECT_EQ(calendar->selectedDate(), QDate(2003, 3, 3));
}

} // namespace
