#include "DemoTour.h"

#include "Screenshot.h"

#include "demo/DemoMessage.h"
#include "demo/DispIds.h"
#include "demo/FrmDemo.h"
#include "demo/FrmvwDemo.h"
#include "demo/HostedControl.h"
#include "demo/ModDemoPub.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace corvdemo::tour
{

namespace
{

// Message boxes answer at once; the tour prints them.
class PrintingPresenter final : public MessagePresenter
{
public:
    void Show(QWidget *, const QString &title, const QString &text) override
    {
        std::printf("  [%s] %s\n", qUtf8Printable(title), qUtf8Printable(text));
    }
};

void Step(const char *what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
}

// Lets pending events run (paint, the drop-down's animation, deferred deletes).
void Settle(int ms = 50)
{
    QTest::qWait(ms);
}

template<class T>
T *Part(QWidget &root, const char *name, int index = 0)
{
    const QList<T *> parts = root.findChildren<T *>(QString::fromUtf8(name));
    if (index >= parts.size())
        throw std::runtime_error(std::string("no part ") + name);
    return parts[index];
}

std::string DateText(const HostedControl &control)
{
    return std::to_string(control.Get(dispid::kValue).Date());
}

// A spin step: the control's up button leaves its rest value, as a click on its arrow does.
void SpinUp(const HostedControl &control, const char *bars)
{
    for (QScrollBar *bar : control.Window()->findChildren<QScrollBar *>(QString::fromUtf8(bars)))
        if (bar->property("Index").toInt() == 1)
            bar->setValue(bar->minimum());
}

QWidget *OpenDropDown()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("FrmMonthView") && window->isVisible())
            return window;
    return nullptr;
}

class Tour
{
public:
    explicit Tour(const QString &folder)
        : m_folder(folder)
    {
    }

    void Run()
    {
        ModDemoPub program([] {});
        Step("FrmDemo: load");
        program.Main();
        FrmDemo &main = program.MainForm();
        Settle();
        Save("FrmDemo.png", Composite({&main}));

        Step("FrmDemo: 转换 (lunar 1901-1-1)");
        Part<QPushButton>(main, "CmdA2U")->click();
        Step("FrmDemo: the six method buttons");
        for (QPushButton *button : main.findChildren<QPushButton *>(QStringLiteral("CmdDemo")))
            button->click();
        Step("FrmDemo: colour bars to 255, 128, 0 and 设定 文字前景色");
        Part<QScrollBar>(main, "VScR", 0)->setValue(0);
        Part<QScrollBar>(main, "VScR", 1)->setValue(127);
        Part<QScrollBar>(main, "VScR", 2)->setValue(255);
        Part<QPushButton>(main, "CmdSet")->click();
        Step("FrmDemo: step the 当前值 spin control up");
        SpinUp(*main.Control("DateUpDown"), "VScrollUpDown");
        std::printf("  QxMonth.CurrDate %s, DateUD.CurrDate %s\n",
                    DateText(*main.Control("QxMonth")).c_str(),
                    DateText(*main.Control("DateUD")).c_str());
        Settle();
        Save("FrmDemo-used.png", Composite({&main}));

        Step("FrmDemo: 下拉控件演示");
        Part<QPushButton>(main, "CmdNext")->click();
        FrmvwDemo &picker = program.PickerForm();
        Settle();
        Save("FrmvwDemo.png", Composite({&picker}));

        Step("FrmvwDemo: 日期格式 five times");
        const HostedControl &box = *picker.Control("QxMonthVw");
        for (int i = 0; i < 5; ++i) {
            Part<QPushButton>(picker, "CmdFormat")->click();
            const corv::Variant caption = box.Get(dispid::qxmonthvw::kCaption);
            std::printf("  format %d: %.*s\n",
                        box.Get(dispid::qxmonthvw::kAgrDateFormat).I4(),
                        int(caption.String().size()),
                        caption.String().data());
        }
        Part<QPushButton>(picker, "CmdFormat")->click(); // format 1: the lunar date shows

        Step("FrmvwDemo: open the drop-down");
        QScrollBar *button = Part<QScrollBar>(*box.Window(), "VScBtn");
        button->setValue(button->value() + 1);
        Settle(600);
        QWidget *dropDown = OpenDropDown();
        if (!dropDown)
            throw std::runtime_error("the drop-down did not open");
        Save("FrmvwDemo-dropdown.png", Composite({&picker, dropDown}));

        Step("FrmvwDemo: pick a date in the drop-down");
        QWidget *grid = Part<QWidget>(*dropDown, "PicMonth");
        const double before = box.Get(dispid::kValue).Date();
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(grid->width() / 2, grid->height() * 3 / 4));
        Settle(600);
        std::printf("  QxMonthVw.CurrDate %.0f -> %s, 当前所选：%s\n",
                    before,
                    DateText(box).c_str(),
                    qUtf8Printable(Part<QLabel>(picker, "LabSel")->text()));

        Step("FrmvwDemo: step both spin controls up");
        SpinUp(*picker.Control("TimeUpDown"), "VScTimeUpDown");
        SpinUp(*picker.Control("DateUpDown"), "VScrollUpDown");
        Settle();
        Save("FrmvwDemo-used.png", Composite({&picker}));

        Step("close both forms");
        Part<QPushButton>(picker, "CmdClose")->click();
        main.close();
        Settle();
    }

private:
    void Save(const char *name, const QImage &image)
    {
        const QString path = QDir(m_folder).filePath(QString::fromUtf8(name));
        if (!SaveImage(image, path))
            throw std::runtime_error("cannot write " + path.toStdString());
        std::printf("  screenshot %s\n", qUtf8Printable(path));
    }

    QString m_folder;
};

} // namespace

int RunTour(const QString &folder)
{
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "corvdemo_tour: cannot create %s\n", qUtf8Printable(folder));
        return 1;
    }
    PrintingPresenter presenter;
    const ScopedMessagePresenter installed(presenter);
    try {
        Tour(folder).Run();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "corvdemo_tour: %s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace corvdemo::tour
