// The headless tour that scripts/demo (and so CI) runs: it passes on the demo as it is, and fails,
// naming the step, whenever a step does not end as it should.
#include "RegisteredLibraryTest.h"
#include "TempDir.h"
#include "demo/tour/DemoTour.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace
{

using Tour = RegisteredLibraryTest;

// A part of a shown form, by name, or nullptr.
template<class T>
T *PartOfAnyForm(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            if (T *part = window->findChild<T *>(QString::fromUtf8(name)))
                return part;
    return nullptr;
}

// The up button of the spin control in the group of that title on a shown form.
QScrollBar *UpButtonIn(const char *groupTitle)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        for (QGroupBox *group : window->findChildren<QGroupBox *>())
            if (window->isVisible() && group->title() == QString::fromUtf8(groupTitle))
                for (QScrollBar *bar : group->findChildren<QScrollBar *>(QStringLiteral("VScrollUpDown")))
                    if (bar->property("Index").toInt() == 1)
                        return bar;
    return nullptr;
}

struct TourRun {
    int status;
    std::string errors;
};

TourRun RunTourWith(const std::function<void(const std::string &)> &beforeStep)
{
    const TempDir shots;
    testing::internal::CaptureStderr();
    const int status = corvdemo::tour::RunTour(QString::fromStdString(shots.Path().string()), beforeStep);
    return {status, testing::internal::GetCapturedStderr()};
}

} // namespace

TEST_F(Tour, PassesEveryStepAndWritesTheScreenshots)
{
    const TempDir shots;
    ASSERT_EQ(corvdemo::tour::RunTour(QString::fromStdString(shots.Path().string())), 0);
    for (const char *shot :
         {"FrmDemo.png", "FrmDemo-used.png", "FrmvwDemo.png", "FrmvwDemo-dropdown.png", "FrmvwDemo-used.png"})
        EXPECT_TRUE(std::filesystem::is_regular_file(shots / shot)) << shot;
}

// A step that does not end as it should fails the tour, which names it.
TEST_F(Tour, FailsNamingTheStepThatWentWrong)
{
    struct Case {
        const char *step;
        std::function<void()> breakIt;
        const char *says;
    };
    const Case cases[] = {
        {"FrmDemo: step the 当前值 spin control up", [] { delete UpButtonIn("当前值"); }, "no up button"},
        {"FrmDemo: the six method buttons",
         [] {
             // A step of DateUD moves the demo date: every message differs.
             UpButtonIn("方法演示")->setValue(1);
         },
         "the messages"},
        {"FrmvwDemo: 日期格式 five times", [] { PartOfAnyForm<QPushButton>("CmdFormat")->click(); }, "AgrDateFormat"},
        {"FrmDemo: colour bars to 255, 128, 0 and 设定 文字前景色",
         [] { PartOfAnyForm<QComboBox>("CmbCol")->setCurrentIndex(0); },
         "the chosen colour"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.step);
        const TourRun run = RunTourWith([&c](const std::string &step) {
            if (step == c.step)
                c.breakIt();
        });
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.errors.find(std::string("step \"") + c.step + "\" failed"), std::string::npos) << run.errors;
        EXPECT_NE(run.errors.find(c.says), std::string::npos) << run.errors;
        QTest::qWait(50); // the forms of the failed tour are gone; their widgets go now
    }
}
