#include "FrmDemo.h"

#include "AppearanceGroup.h"
#include "ColourEntries.h"
#include "DemoMessage.h"
#include "DispIds.h"
#include "FormLayout.h"
#include "FrmvwDemo.h"
#include "HostedControl.h"
#include "MethodMessages.h"
#include "ModDemoPub.h"
#include "SavedProperties.h"

#include "platform/date/Clock.h"
#include "platform/date/DateFormat.h"
#include "platform/date/DateValue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <array>
#include <cstring>

namespace corvdemo
{

namespace
{

namespace date = corvane::date;
using corv::Variant;

constexpr int kClientWidth = 7560;
constexpr int kClientHeight = 5835;

// The lunar date's bars. A vertical bar has its minimum at the top, and the text counts the other way
// round, (max + min) - value: the top of the year bar is 2030, the bottom 1901.
struct AgrBar {
    const char *bar;
    const char *text;
    const char *unit;
    int max;
    int min;
};
constexpr std::array<AgrBar, 3> kAgrBars = {{
    {"VScAgrY", "TxtAgrY", "年", 2030, 1901},
    {"VScAgrM", "TxtAgrM", "月", 12, 1},
    {"VScAgrD", "TxtAgrD", "日", 29, 1},
}};

constexpr std::array<const char *, 6> kDemoCaptions =
    {"转为农历数字", "转为农历字串", "节气日期时间", "节气日期字串", "农历干支数字", "农历干支字串"};
constexpr std::array<const char *, 3> kColourLabels = {"R：", "G：", "B："};

QGroupBox *Group(QWidget &client, const char *title, int left, int top, int width, int height)
{
    auto *group = FormLayout().Add<QGroupBox>(client, "", left, top, width, height);
    group->setTitle(QString::fromUtf8(title));
    return group;
}

QLabel *Label(QWidget &parent, const char *text, int left, int top, int width, int height)
{
    auto *label = FormLayout().Add<QLabel>(parent, "", left, top, width, height);
    label->setText(QString::fromUtf8(text));
    return label;
}

QLineEdit *ReadOnlyText(QWidget &parent, const char *name, int left, int top, int width, int height)
{
    auto *text = FormLayout().Add<QLineEdit>(parent, name, left, top, width, height);
    text->setReadOnly(true);
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return text;
}

QScrollBar *VerticalBar(QWidget &parent, const char *name, int left, int top, int width, int height, int min, int max)
{
    auto *bar = FormLayout().Add<QScrollBar>(parent, name, left, top, width, height, Qt::Vertical);
    bar->setRange(min, max);
    bar->setPageStep(1);
    return bar;
}

// 0x00BBGGRR.
std::int32_t OleColour(int red, int green, int blue)
{
    return std::int32_t(red | (green << 8) | (blue << 16));
}

} // namespace

struct FrmDemo::Content {
    std::unique_ptr<HostedControl> QxMonth;
    std::unique_ptr<HostedControl> DateUpDown;
    std::unique_ptr<HostedControl> DateUD;
    std::unique_ptr<HostedControl> TimeUD;

    std::array<QLineEdit *, 3> agrTexts{};
    std::array<QScrollBar *, 3> agrBars{};
    QCheckBox *ChkLeep = nullptr;
    std::array<QRadioButton *, 2> OptEraMode{};
    std::array<QLineEdit *, 3> TxtR{};
    std::array<QScrollBar *, 3> VScR{};
    QLabel *LabCol = nullptr;
    QComboBox *CmbCol = nullptr;
};

FrmDemo::FrmDemo(ModDemoPub &program)
    : DemoForm(kClientWidth, kClientHeight)
    , m_program(program)
{
}

FrmDemo::~FrmDemo() = default;

const HostedControl *FrmDemo::Control(const char *name) const
{
    if (!m_content)
        return nullptr;
    const std::pair<const char *, const HostedControl *> controls[] = {
        {"QxMonth", m_content->QxMonth.get()},
        {"DateUpDown", m_content->DateUpDown.get()},
        {"DateUD", m_content->DateUD.get()},
        {"TimeUD", m_content->TimeUD.get()},
    };
    for (const auto &[controlName, control] : controls)
        if (std::strcmp(controlName, name) == 0)
            return control;
    return nullptr;
}

void FrmDemo::Load(QWidget &client)
{
    m_content = std::make_unique<Content>();
    Content &c = *m_content;
    const FormLayout layout;

    c.QxMonth = std::make_unique<HostedControl>("Corvane.QxMonth", SavedProperties("FrmDemo.QxMonth"));
    c.QxMonth->Place(client, 120, 120);

    QGroupBox *current = Group(client, "当前值", 4605, 60, 2835, 600);
    c.DateUpDown = std::make_unique<HostedControl>("Corvane.DateUpDown", SavedProperties("FrmDemo.DateUpDown"));
    c.DateUpDown->Place(*current, 120, 240);

    BuildConversionGroup(client);
    AddAppearanceGroup(client, 4605, 1920, 2835, 1275, [this](int look) {
        Guarded([this, look] { m_content->QxMonth->Put(dispid::qxmonth::kAppearance, Variant(std::int32_t(look))); });
    });
    auto *next = layout.Add<QPushButton>(client, "CmdNext", 4605, 2880, 2835, 435);
    next->setText(QString::fromUtf8("下拉控件演示"));
    connect(next, &QPushButton::clicked, this, [this] {
        Guarded([this] {
            m_program.SetPickerFormShown();
            m_program.PickerForm().Show();
        });
    });
    BuildMethodGroup(client);
    BuildColourGroup(client);
    ConnectControlEvents();

    const date::Date now = date::Now();
    c.DateUpDown->Put(dispid::kValue, Variant::Date(now));
    c.DateUD->Put(dispid::kValue, Variant::Date(now));
    m_demoDate = now;
    c.QxMonth->Put(dispid::kValue, c.DateUpDown->Get(dispid::kValue));
    for (std::size_t i = 0; i < kColourEntries.size(); ++i)
        c.CmbCol->addItem(QString::fromUtf8(kColourEntries[i].text), int(i));
    c.CmbCol->setCurrentIndex(kInitialColourEntry);
    c.TimeUD->Put(dispid::kValue, Variant::Date(now));
}

void FrmDemo::BuildConversionGroup(QWidget &client)
{
    Content &c = *m_content;
    const FormLayout layout;
    QGroupBox *group = Group(client, "农历转公历", 4605, 720, 2835, 1110);
    // Text box, bar and unit label side by side for year, month and day.
    constexpr std::array<int, 3> kTextLeft = {120, 1125, 1920};
    constexpr std::array<int, 3> kTextWidth = {540, 330, 330};
    for (std::size_t i = 0; i < kAgrBars.size(); ++i) {
        const AgrBar &row = kAgrBars[i];
        const int left = kTextLeft[i];
        const int width = kTextWidth[i];
        c.agrTexts[i] = ReadOnlyText(*group, row.text, left, 270, width, 285);
        c.agrTexts[i]->setText(QString::number(row.min));
        c.agrBars[i] = VerticalBar(*group, row.bar, left + width, 270, 225, 285, row.min, row.max);
        c.agrBars[i]->setValue(row.max);
        Label(*group, row.unit, left + width + 255, 300, 210, 240);
        connect(c.agrBars[i], &QScrollBar::valueChanged, this, [this, i](int value) {
            const AgrBar &bar = kAgrBars[i];
            m_content->agrTexts[i]->setText(QString::number(bar.max + bar.min - value));
        });
    }
    c.ChkLeep = layout.Add<QCheckBox>(*group, "ChkLeep", 120, 690, 1380, 300);
    c.ChkLeep->setText(QString::fromUtf8("是否闰月"));
    auto *convert = layout.Add<QPushButton>(*group, "CmdA2U", 1620, 630, 1095, 375);
    convert->setText(QString::fromUtf8("转换"));
    connect(convert, &QPushButton::clicked, this, [this] { Guarded([this] { ConvertAgrToUni(); }); });
}

void FrmDemo::BuildMethodGroup(QWidget &client)
{
    Content &c = *m_content;
    const FormLayout layout;
    QGroupBox *group = Group(client, "方法演示", 120, 3435, 4365, 2340);
    c.DateUD = std::make_unique<HostedControl>("Corvane.DateUpDown", "");
    c.DateUD->Place(*group, 120, 270);
    c.TimeUD = std::make_unique<HostedControl>("Corvane.TimeUpDown", "");
    c.TimeUD->Place(*group, 1965, 270);

    Label(*group, "干支模式选择：", 120, 720, 1380, 255);
    constexpr std::array<const char *, 2> kModes = {"农历月", "节气月"};
    for (std::size_t i = 0; i < 2; ++i) {
        c.OptEraMode[i] = layout.Add<QRadioButton>(*group, "OptEraMode", 1500 + int(i) * 1140, 690, 1100, 300);
        c.OptEraMode[i]->setText(QString::fromUtf8(kModes[i]));
        c.OptEraMode[i]->setProperty("Index", int(i));
    }
    c.OptEraMode[0]->setChecked(true);

    for (std::size_t i = 0; i < kDemoCaptions.size(); ++i) {
        const int left = 120 + int(i % 3) * 1395;
        const int top = 1140 + int(i / 3) * 540;
        auto *button = layout.Add<QPushButton>(*group, "CmdDemo", left, top, 1335, 420);
        button->setText(QString::fromUtf8(kDemoCaptions[i]));
        button->setProperty("Index", int(i));
        connect(button, &QPushButton::clicked, this, [this, i] { Guarded([this, i] { DemoMethod(int(i)); }); });
    }
}

void FrmDemo::BuildColourGroup(QWidget &client)
{
    Content &c = *m_content;
    const FormLayout layout;
    QGroupBox *group = Group(client, "色彩", 4605, 3435, 2835, 2340);
    for (std::size_t i = 0; i < 3; ++i) {
        const int left = 120 + int(i) * 510;
        Label(*group, kColourLabels[i], left, 270, 330, 255);
        c.TxtR[i] = ReadOnlyText(*group, "TxtR", left, 540, 450, 285);
        c.TxtR[i]->setText(QStringLiteral("255"));
        c.TxtR[i]->setProperty("Index", int(i));
        c.VScR[i] = VerticalBar(*group, "VScR", left + 90, 855, 255, 885, 0, 255);
        c.VScR[i]->setProperty("Index", int(i));
        c.VScR[i]->setPageStep(16);
        connect(c.VScR[i], &QScrollBar::valueChanged, this, [this, i] { ColourBarMoved(int(i)); });
    }
    Label(*group, "所选色彩：", 1710, 270, 1050, 255);
    c.LabCol = layout.Add<QLabel>(*group, "LabCol", 1710, 540, 1005, 1200);
    c.LabCol->setText(QString::fromUtf8("所选色"));
    c.LabCol->setAlignment(Qt::AlignCenter);
    c.LabCol->setAutoFillBackground(true);
    c.LabCol->setFrameShape(QFrame::Box);
    ColourBarMoved(0); // the swatch starts as the colour of the three texts
    c.CmbCol = layout.Add<QComboBox>(*group, "CmbCol", 120, 1860, 1590, 330);
    auto *set = layout.Add<QPushButton>(*group, "CmdSet", 1830, 1830, 885, 390);
    set->setText(QString::fromUtf8("设定"));
    connect(set, &QPushButton::clicked, this, [this] { Guarded([this] { SetColour(); }); });
}

void FrmDemo::ConnectControlEvents()
{
    Content &c = *m_content;
    const auto followDateUD = [this] { m_demoDate = m_content->DateUD->Get(dispid::kValue).Date(); };
    c.DateUD->On(dispid::updown::kClickEvent, followDateUD);
    c.DateUD->On(dispid::updown::kChangeEvent, followDateUD);
    c.DateUpDown->On(dispid::updown::kClickEvent,
                     [this] { m_content->QxMonth->Put(dispid::kValue, m_content->DateUpDown->Get(dispid::kValue)); });
    c.QxMonth->On(dispid::qxmonth::kChangeEvent, [this] {
        m_content->DateUpDown->Put(dispid::kValue, m_content->QxMonth->Get(dispid::kValue));
        m_content->DateUD->Put(dispid::kValue, m_content->QxMonth->Get(dispid::kValue));
    });
}

void FrmDemo::ConvertAgrToUni()
{
    const Content &c = *m_content;
    const Variant record = Variant::Record("QxAgrDateNum",
                                           {{"AgrFactYear", Variant(std::int16_t(c.agrTexts[0]->text().toInt()))},
                                            {"AgrMonth", Variant(std::int16_t(c.agrTexts[1]->text().toInt()))},
                                            {"AgrDay", Variant(std::int16_t(c.agrTexts[2]->text().toInt()))},
                                            {"AgrIsLeep", Variant(std::int16_t(c.ChkLeep->isChecked() ? -1 : 0))},
                                            {"AgrMonthBound", Variant(std::int16_t(0))}});
    const double uni = c.QxMonth->Call(dispid::qxmonth::kAgrDateToUniDate, {record}).Date();
    ShowMessage(this, DateMessage(uni, date::kChineseDatePattern));
}

void FrmDemo::DemoMethod(int index)
{
    const HostedControl &month = *m_content->QxMonth;
    const Variant demoDate = Variant::Date(m_demoDate);
    const auto year = std::int16_t(date::Year(m_demoDate));
    const auto term = std::int16_t(2 * date::Month(m_demoDate) - 1);
    const auto mode = std::int32_t(m_content->OptEraMode[1]->isChecked() ? 1 : 0);
    QString message;
    switch (index) {
    case 0:
        message = AgrNumDateMessage(month.Call(dispid::qxmonth::kGetAgrNumDate, {demoDate}));
        break;
    case 1:
        message = AgrStrDateMessage(month.Call(dispid::qxmonth::kGetAgrStrDate, {demoDate}));
        break;
    case 2:
        message =
            DateMessage(month.Call(dispid::qxmonth::kGetsTermDateTime, {year, term}).Date(), date::kGeneralPattern);
        break;
    case 3:
        message = TextOf(month.Call(dispid::qxmonth::kGetsTermString, {year, term}));
        break;
    case 4:
    case 5: {
        const Variant time = m_content->TimeUD->Get(dispid::kValue);
        const std::int32_t method = index == 4 ? dispid::qxmonth::kGetEraNumber : dispid::qxmonth::kGetEraString;
        message = EraMessage(month.Call(method, {demoDate, time, Variant(mode)}));
        break;
    }
    default:
        return;
    }
    ShowMessage(this, message);
}

void FrmDemo::SetColour()
{
    const Content &c = *m_content;
    const int entry = c.CmbCol->currentData().toInt();
    if (entry < 0 || entry >= int(kColourEntries.size()))
        return;
    const QColor colour = c.LabCol->palette().color(QPalette::Window);
    c.QxMonth->Put(kColourEntries[std::size_t(entry)].property,
                   Variant(OleColour(colour.red(), colour.green(), colour.blue())));
}

void FrmDemo::ColourBarMoved(int index)
{
    Content &c = *m_content;
    c.TxtR[std::size_t(index)]->setText(QString::number(255 - c.VScR[std::size_t(index)]->value()));
    QPalette palette = c.LabCol->palette();
    palette.setColor(QPalette::Window,
                     QColor(c.TxtR[0]->text().toInt(), c.TxtR[1]->text().toInt(), c.TxtR[2]->text().toInt()));
    c.LabCol->setPalette(palette);
}

void FrmDemo::OnUnload()
{
    if (!m_program.PickerFormShown()) {
        Guarded([this] { m_program.PickerForm().Show(); });
        m_program.SetPickerFormShown();
    }
}

void FrmDemo::ReleaseContent()
{
    m_content.reset();
}

} // namespace corvdemo
