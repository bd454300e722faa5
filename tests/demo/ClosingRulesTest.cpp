// When the forms open and when the program ends.
#include "DemoFixture.h"

#include <QGuiApplication>
#include <QScreen>

namespace
{

class ClosingRules : public DemoTest
{
protected:
    bool MainOpen() { return program.MainForm().IsLoaded(); }
    bool PickerOpen() { return program.HasPickerForm() && program.PickerForm().IsLoaded(); }
};

} // namespace

TEST_F(ClosingRules, ClosingTheMainFormFirstOpensThePickerFormAndTheProgramEndsWithIt)
{
    StartMain();
    EXPECT_FALSE(program.HasPickerForm());
    program.MainForm().close();
    EXPECT_FALSE(MainOpen());
    EXPECT_TRUE(PickerOpen());
    EXPECT_TRUE(program.PickerForm().isVisible());
    EXPECT_TRUE(program.PickerFormShown());
    EXPECT_EQ(quits, 0);
    Click(program.PickerForm(), "CmdClose");
    EXPECT_EQ(quits, 1);
}

TEST_F(ClosingRules, AfterThePickerFormWasShownClosingTheMainFormOpensNothing)
{
    struct Case {
        const char *name;
        bool closePickerFirst;
    };
    for (const Case c : {Case{"picker still open", false}, Case{"picker closed before", true}}) {
        corvdemo::ModDemoPub fresh([this] { ++quits; });
        quits = 0;
        fresh.Main();
        Click(fresh.MainForm(), "CmdNext");
        ASSERT_TRUE(fresh.PickerForm().IsLoaded()) << c.name;
        if (c.closePickerFirst) {
            Click(fresh.PickerForm(), "CmdClose");
            EXPECT_EQ(quits, 0) << c.name; // the main form is still open
        }
        fresh.MainForm().close();
        EXPECT_EQ(fresh.PickerForm().IsLoaded(), !c.closePickerFirst) << c.name;
        EXPECT_EQ(quits, c.closePickerFirst ? 1 : 0) << c.name;
        if (!c.closePickerFirst) {
            fresh.PickerForm().close();
            EXPECT_EQ(quits, 1) << c.name;
        }
    }
}

TEST_F(ClosingRules, BothFormsAreFixedCentredDialogsOfTheirDesignedClientSize)
{
    StartMain();
    Click(program.MainForm(), "CmdNext");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        QWidget *form;
        int widthTwips, heightTwips;
    };
    for (const Case &c : {Case{&program.MainForm(), 7560, 5835}, Case{&program.PickerForm(), 7500, 4815}}) {
        const double perPixel = 1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInchX();
        EXPECT_NEAR(c.form->width(), c.widthTwips / perPixel, 1.0);
        EXPECT_NEAR(c.form->height(), c.heightTwips / perPixel, 1.0);
        EXPECT_EQ(c.form->minimumSize(), c.form->maximumSize());
        EXPECT_FALSE(c.form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(c.form->windowTitle().endsWith(QStringLiteral("演示程序")));
        EXPECT_LE((c.form->frameGeometry().center() - screen.center()).manhattanLength(), 1);
    }
}
