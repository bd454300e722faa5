#include "DemoTour.h"

#include "Screenshot.h"

#include "demo/DemoMessage.h"
#include "demo/DispIds.h"
#include "demo/FrmDemo.h"
#include "demo/FrmvwDemo.h"
#include "demo/HostedControl.h"
#include "demo/ModDemoPub.h"

#include "platform/date/Clock.h"
#include "platform/date/DateArithmetic.h"
#include "platform/date/DateFormat.h"
#include "platform/date/DateValue.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvdemo::tour
{

namespace
{

namespace date = corvane::date;

// The moment the tour runs on: what every step should see follows from it.
const date::Date kNow = date::FromYmd(2002, 7, 19) + date::FromHms(10, 30, 0);
// The day the tour picks in the month the drop-down shows.
constexpr int kPickedDay = 20;

// A step that did not do what it should.
class StepFailed : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Message boxes answer at once; the tour prints them and the step under way checks them.
class RecordingPresenter final : public MessagePresenter
{
public:
    void Show(QWidget *, const QString &, const QString &text) override
    {
        std::printf("  [message] %s\n", qUtf8Printable(text));
        texts.push_back(text.toStdString());
    }
    std::vector<std::string> texts;
};

std::string Text(const std::string &value)
{
    return '"' + value + '"';
}
std::string Text(const QString &value)
{
    return Text(value.toStdString());
}
std::string Text(int value)
{
    return std::to_string(value);
}
std::string Text(double value)
{
    return date::GeneralText(value);
}
std::string Text(const QColor &value)
{
    return value.name().toStdString();
}
std::string Text(const std::vector<std::string> &values)
{
    std::string text = "{";
    for (const std::string &value : values)
        text += (text.size() > 1 ? ", " : "") + Text(value);
    return text + "}";
}

template<class T>
void Check(const char *what, const T &actual, const T &expected)
{
    if (!(actual == expected))
        throw StepFailed(std::string(what) + " is " + Text(actual) + ", expected " + Text(expected));
}

void Check(const char *what, bool holds)
{
    if (!holds)
        throw StepFailed(std::string(what) + " does not hold");
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
        throw StepFailed(std::string("there is no part ") + name);
    return parts[index];
}

double DateOf(const HostedControl &control)
{
    return control.Get(dispid::kValue).Date();
}

QString CaptionOf(const HostedControl &control)
{
    return TextOf(control.Get(dispid::qxmonthvw::kCaption));
}

// A click on the middle of what `widget` shows of itself, delivered to the part under it.
void ClickVisibleMiddle(QWidget &root, QWidget &widget)
{
    const QPoint at = widget.mapTo(&root, widget.rect().center());
    QWidget *target = root.childAt(at);
    if (!target)
        throw StepFailed("nothing to click under " + widget.objectName().toStdString());
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&root, at));
}

// A spin step up: the caret before the first field (years or hours), then a click on the visible
// arrow of the up button.
void SpinUp(const HostedControl &control, const char *bars)
{
    QWidget &window = *control.Window();
    Part<QLineEdit>(window, "TxtDate")->setCursorPosition(0);
    for (QScrollBar *bar : window.findChildren<QScrollBar *>(QString::fromUtf8(bars))) {
        if (bar->property("Index").toInt() == 1) {
            ClickVisibleMiddle(window, *bar->parentWidget());
            return;
        }
    }
    throw StepFailed(std::string("the spin control has no up button ") + bars);
}

QWidget *OpenDropDown()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("FrmMonthView") && window->isVisible())
            return window;
    return nullptr;
}

// The picker's caption of the tour's moment, a Friday, in formats 0 to 4.
QString ExpectedCaption(int format)
{
    constexpr const char *kCaptions[] = {
        "2002年07月19日 星期五",
        "2002年07月19日 农历: 壬午年 六月 初十日",
        "2002年07月19日 农历: 壬午年 六月 初十日 星期五",
        "2002年07月19日 农历: 六月 初十日",
        "2002年07月19日 农历: 六月 初十日 星期五",
    };
    return QString::fromUtf8(kCaptions[format]);
}

class Tour
{
public:
    Tour(const QString &folder, const std::function<void(const std::string &)> &beforeStep)
        : m_folder(folder)
        , m_beforeStep(beforeStep)
    {
    }

    const std::string &CurrentStep() const noexcept { return m_step; }

    void Run()
    {
        ModDemoPub program([] {});
        FrmDemo *main = nullptr;
        FrmvwDemo *picker = nullptr;

        Step("FrmDemo: load", [&] {
            program.Main();
            main = &program.MainForm();
            Settle();
            for (const char *name : {"QxMonth", "DateUpDown", "DateUD", "TimeUD"})
                Check(name, DateOf(Control(*main, name)), kNow);
            Save("FrmDemo.png", Composite({main}));
        });

        Step("FrmDemo: 转换 (lunar 1901-1-1)", [&] {
            Part<QPushButton>(*main, "CmdA2U")->click();
            CheckMessages({"1901年02月19日"});
        });

        Step("FrmDemo: the six method buttons", [&] {
            for (QPushButton *button : main->findChildren<QPushButton *>(QStringLiteral("CmdDemo")))
                button->click();
            CheckMessages({"2002年0(是否为闰月)6月,实际月序6月10日",
                           "壬午年六月初十日",
                           "2002-07-07 15:40:00",
                           "小暑：7日15时40分",
                           "19,44,25,54",
                           "壬午,丁未,戊子,丁巳"});
        });

        Step("FrmDemo: colour bars to 255, 128, 0 and 设定 文字前景色", [&] {
            Part<QScrollBar>(*main, "VScR", 0)->setValue(0);
            Part<QScrollBar>(*main, "VScR", 1)->setValue(127);
            Part<QScrollBar>(*main, "VScR", 2)->setValue(255);
            const char *texts[] = {"255", "128", "0"};
            for (int i = 0; i < 3; ++i)
                Check("a colour text", Part<QLineEdit>(*main, "TxtR", i)->text(), QString::fromUtf8(texts[i]));
            Check("the swatch", Part<QLabel>(*main, "LabCol")->palette().color(QPalette::Window), QColor(255, 128, 0));
            Check("the chosen colour", Part<QComboBox>(*main, "CmbCol")->currentText(), QStringLiteral("文字前景色"));
            Part<QPushButton>(*main, "CmdSet")->click();
            Check("QxMonth.ForeColor", Control(*main, "QxMonth").Get(dispid::qxmonth::kForeColor).I4(), 0x000080FF);
        });

        Step("FrmDemo: step the 当前值 spin control up", [&] {
            SpinUp(Control(*main, "DateUpDown"), "VScrollUpDown");
            const double stepped = date::FromYmd(2003, 7, 19) + date::FromHms(10, 30, 0);
            Check("DateUpDown.CurrDate", DateOf(Control(*main, "DateUpDown")), stepped);
            Check("QxMonth.CurrDate", DateOf(Control(*main, "QxMonth")), stepped);
            Check("DateUD.CurrDate", DateOf(Control(*main, "DateUD")), stepped);
            Check("the demo date", main->DemoDate(), stepped);
            Settle();
            Save("FrmDemo-used.png", Composite({main}));
        });

        Step("FrmDemo: 下拉控件演示", [&] {
            Part<QPushButton>(*main, "CmdNext")->click();
            picker = &program.PickerForm();
            Settle();
            Check("the picker form is shown", picker->IsLoaded() && picker->isVisible());
            const HostedControl &box = Control(*picker, "QxMonthVw");
            Check("QxMonthVw.CurrDate", DateOf(box), kNow);
            Check("QxMonthVw.Caption", CaptionOf(box), ExpectedCaption(0));
            Check("当前所选", Part<QLabel>(*picker, "LabSel")->text(), CaptionOf(box));
            Save("FrmvwDemo.png", Composite({picker}));
        });

        Step("FrmvwDemo: 日期格式 five times", [&] {
            const HostedControl &box = Control(*picker, "QxMonthVw");
            for (const int format : {1, 2, 3, 4, 0}) {
                Part<QPushButton>(*picker, "CmdFormat")->click();
                std::printf("  format %d: %s\n",
                            box.Get(dispid::qxmonthvw::kAgrDateFormat).I4(),
                            qUtf8Printable(CaptionOf(box)));
                Check("QxMonthVw.AgrDateFormat", box.Get(dispid::qxmonthvw::kAgrDateFormat).I4(), format);
                Check("QxMonthVw.Caption", CaptionOf(box), ExpectedCaption(format));
            }
            Part<QPushButton>(*picker, "CmdFormat")->click(); // format 1: the lunar date shows
            Check("QxMonthVw.AgrDateFormat", box.Get(dispid::qxmonthvw::kAgrDateFormat).I4(), 1);
        });

        QWidget *dropDown = nullptr;
        Step("FrmvwDemo: open the drop-down", [&] {
            QWidget &box = *Control(*picker, "QxMonthVw").Window();
            ClickVisibleMiddle(box, *Part<QWidget>(box, "PictBtn"));
            Settle(600);
            dropDown = OpenDropDown();
            Check("the drop-down is open", dropDown != nullptr);
            const QRect edges(box.mapToGlobal(QPoint(0, 0)), box.size());
            const QRect shown = dropDown->geometry();
            Check("the drop-down's left edge", shown.left(), edges.left());
            Check("the drop-down hangs from the picker or stands on it",
                  shown.top() == edges.bottom() + 1 || shown.bottom() + 1 == edges.top());
            Save("FrmvwDemo-dropdown.png", Composite({picker, dropDown}));
        });

        date::Date picked = 0;
        Step("FrmvwDemo: pick a date in the drop-down", [&] {
            // The month view shows the month it showed last, which need not be the picker's.
            const int year = Part<QComboBox>(*dropDown, "CmbUniYear")->currentText().toInt();
            const int month = Part<QComboBox>(*dropDown, "CmbUniMonth")->currentIndex() + 1;
            QWidget *grid = Part<QWidget>(*dropDown, "PicMonth");
            const int position = date::Weekday(date::FromYmd(year, month, 1)) - 1 + kPickedDay - 1;
            const QPoint cell(int((position % 7 + 0.5) * grid->width() / 7.0),
                              int((position / 7 + 0.5) * grid->height() / 6.0));
            QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, cell);
            Settle(600);
            const HostedControl &box = Control(*picker, "QxMonthVw");
            picked = date::FromYmd(year, month, kPickedDay);
            Check("the drop-down has closed", OpenDropDown() == nullptr);
            Check("QxMonthVw.CurrDate", DateOf(box), picked);
            const QString gregorian = QString::fromStdString(date::Format(picked, date::kChineseDatePattern));
            Check("QxMonthVw.Caption in format 1", CaptionOf(box).startsWith(gregorian + QStringLiteral(" 农历: ")));
            Check("当前所选", Part<QLabel>(*picker, "LabSel")->text(), CaptionOf(box));
            Check("DateUpDown.CurrDate", DateOf(Control(*picker, "DateUpDown")), picked);
        });

        Step("FrmvwDemo: step both spin controls up", [&] {
            const double time = DateOf(Control(*picker, "TimeUpDown"));
            SpinUp(Control(*picker, "TimeUpDown"), "VScTimeUpDown");
            SpinUp(Control(*picker, "DateUpDown"), "VScrollUpDown");
            Check("TimeUpDown.CurrTime", DateOf(Control(*picker, "TimeUpDown")), date::Add(date::Unit::Hour, 1, time));
            Check("DateUpDown.CurrDate",
                  DateOf(Control(*picker, "DateUpDown")),
                  date::Add(date::Unit::Year, 1, picked));
            Settle();
            Save("FrmvwDemo-used.png", Composite({picker}));
        });

        Step("close both forms", [&] {
            Part<QPushButton>(*picker, "CmdClose")->click();
            main->close();
            Settle();
            Check("both forms are closed", !main->IsLoaded() && !picker->IsLoaded());
        });
    }

private:
    template<class Body>
    void Step(const char *name, Body &&body)
    {
        m_step = name;
        std::printf("%s\n", name);
        std::fflush(stdout);
        m_messages.texts.clear();
        if (m_beforeStep)
            m_beforeStep(m_step);
        body();
        // A message nobody expected: a call that failed, shown to the user as the forms do.
        if (!m_messages.texts.empty())
            throw StepFailed("unexpected message " + Text(m_messages.texts.front()));
    }

    void CheckMessages(const std::vector<std::string> &expected)
    {
        const std::vector<std::string> shown = std::exchange(m_messages.texts, {});
        Check("the messages", shown, expected);
    }

    static const HostedControl &Control(const FrmDemo &form, const char *name)
    {
        const HostedControl *control = form.Control(name);
        if (!control || !control->Window())
            throw StepFailed(std::string("the main form has no control ") + name);
        return *control;
    }
    static const HostedControl &Control(const FrmvwDemo &form, const char *name)
    {
        const HostedControl *control = form.Control(name);
        if (!control || !control->Window())
            throw StepFailed(std::string("the picker form has no control ") + name);
        return *control;
    }

    void Save(const char *name, const QImage &image)
    {
        const QString path = QDir(m_folder).filePath(QString::fromUtf8(name));
        if (!SaveImage(image, path))
            throw StepFailed("cannot write " + path.toStdString());
        std::printf("  screenshot %s\n", qUtf8Printable(path));
    }

    QString m_folder;
    std::function<void(const std::string &)> m_beforeStep;
    std::string m_step;
    RecordingPresenter m_messages;
    ScopedMessagePresenter m_presenter{m_messages};
    date::FixedClock m_clock{kNow};
    date::ScopedClock m_pinned{m_clock};
};

} // namespace

int RunTour(const QString &folder, const std::function<void(const std::string &step)> &beforeStep)
{
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "corvdemo_tour: cannot create %s\n", qUtf8Printable(folder));
        return 1;
    }
    Tour tour(folder, beforeStep);
    try {
        tour.Run();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "corvdemo_tour: step \"%s\" failed: %s\n", tour.CurrentStep().c_str(), e.what());
        return 1;
    }
    return 0;
}

} // namespace corvdemo::tour
