// The picker form driven through its own parts; the controls are the library's, reached through the C ABI.
#include "DemoFixture.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using corvdemo::FrmvwDemo;

namespace
{

constexpr double kJuly19 = 37456.0;

class FrmvwDemoTest : public DemoTest
{
protected:
    FrmvwDemoTest()
    {
        StartMain();
        Click(program.MainForm(), "CmdNext");
    }

    FrmvwDemo &form = program.PickerForm();
    const corvdemo::HostedControl &Control(const char *name) { return *form.Control(name); }
    QString Selected() { return Part<QLabel>(form, "LabSel")->text(); }
    QString Caption() { return QString::fromUtf8(std::string(Control("QxMonthVw").Object().Get("Caption").String())); }
};

} // namespace

TEST_F(FrmvwDemoTest, LoadingSetsThePickerToNowAndShowsItsCaptionAndTheComment)
{
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_EQ(DateOf(form.Control("QxMonthVw")), kNow);
    EXPECT_EQ(DateOf(form.Control("DateUpDown")), kNow); // through the picker's Change
    EXPECT_FALSE(Selected().isEmpty());
    EXPECT_EQ(Selected(), Caption());
    // The saved properties: format 0 and a 3D look for both spin controls.
    EXPECT_EQ(Control("QxMonthVw").Object().Get("AgrDateFormat").I4(), 0);
    EXPECT_EQ(Control("QxMonthVw").Object().Get("BorderStyle").I4(), 1);
    EXPECT_EQ(Control("TimeUpDown").Object().Get("Appearance").I4(), 1);
    EXPECT_EQ(Control("DateUpDown").Object().Get("Appearance").I4(), 1);

    const QPlainTextEdit *comment = Part<QPlainTextEdit>(form, "TxtComment");
    EXPECT_TRUE(comment->isReadOnly());
    EXPECT_EQ(comment->font().family(), QStringLiteral("宋体"));
    EXPECT_EQ(comment->font().pointSize(), 9);
    for (const char *method : {"GetAgrNumDate",
                               "GetAgrStrDate",
                               "GetsTermString",
                               "GetsTermDateTime",
                               "GetEraNumber",
                               "GetEraString",
                               "AgrDateToUniDate"})
        EXPECT_TRUE(comment->toPlainText().contains(QString::fromUtf8(method))) << method;
}

TEST_F(FrmvwDemoTest, TheFormatButtonCyclesAndItsCounterSurvivesTheWindow)
{
    std::vector<int> formats;
    for (int i = 0; i < 5; ++i) {
        Click(form, "CmdFormat");
        formats.push_back(Control("QxMonthVw").Object().Get("AgrDateFormat").I4());
    }
    EXPECT_EQ(formats, (std::vector<int>{1, 2, 3, 4, 0}));
    Click(form, "CmdFormat");
    EXPECT_EQ(form.FormatCounter(), 1);

    Click(form, "CmdClose");
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.Control("QxMonthVw"), nullptr);
    clock.Set(kJuly19);
    Click(program.MainForm(), "CmdNext");
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_EQ(DateOf(form.Control("QxMonthVw")), kJuly19); // the load actions ran again
    EXPECT_EQ(Control("QxMonthVw").Object().Get("AgrDateFormat").I4(), 0); // a new control from its saved properties
    Click(form, "CmdFormat");
    EXPECT_EQ(Control("QxMonthVw").Object().Get("AgrDateFormat").I4(), 2);
    // The label follows the picker's Change, which a new format does not raise.
    EXPECT_EQ(Selected(), QStringLiteral("2002年07月19日 星期五"));
    EXPECT_TRUE(Caption().contains(QStringLiteral("农历")));
}

TEST_F(FrmvwDemoTest, EitherAppearancePaintsThePickerWhite)
{
    for (const int option : {1, 0}) {
        Control("QxMonthVw").Object().Put("BackColor", std::int32_t(0x000000FF));
        Click(form, "OptAppearance", option);
        EXPECT_EQ(Control("QxMonthVw").Object().Get("Appearance").I4(), option);
        EXPECT_EQ(Control("QxMonthVw").Object().Get("BackColor").I4(), 0x00FFFFFF);
    }
}

TEST_F(FrmvwDemoTest, AChosenDateReachesTheDateSpinControlAndTheLabelButNotTheTimeSpinControl)
{
    const double time = DateOf(form.Control("TimeUpDown"));
    Control("QxMonthVw").Put(0, corv::Variant::Date(kJuly19));
    EXPECT_EQ(DateOf(form.Control("DateUpDown")), kJuly19);
    EXPECT_EQ(Selected(), QStringLiteral("2002年07月19日 星期五"));
    EXPECT_EQ(DateOf(form.Control("TimeUpDown")), time);
}

TEST_F(FrmvwDemoTest, APickInTheDropDownReachesTheForm)
{
    QWidget *window = form.Control("QxMonthVw")->Window();
    QScrollBar *button = Part<QScrollBar>(*window, "PictBtn");
    button->setValue(button->value() + 1);
    QWidget *dropDown = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QStringLiteral("FrmMonthView") && top->isVisible())
                dropDown = top;
        return dropDown != nullptr;
    }));
    QWidget *grid = Part<QWidget>(*dropDown, "PicMonth");
    const double before = DateOf(form.Control("QxMonthVw"));
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(grid->width() / 2, grid->height() * 3 / 4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return DateOf(form.Control("DateUpDown")) != before; }));
    EXPECT_EQ(DateOf(form.Control("DateUpDown")), DateOf(form.Control("QxMonthVw")));
    EXPECT_EQ(Selected(), Caption());
}
