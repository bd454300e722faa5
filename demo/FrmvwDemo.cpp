#include "FrmvwDemo.h"

#include "AppearanceGroup.h"
#include "DemoMessage.h"
#include "DemoStrings.h"
#include "DispIds.h"
#include "FormLayout.h"
#include "HostedControl.h"
#include "SavedProperties.h"

#include "platform/date/Clock.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstring>

namespace corvdemo
{

namespace
{

using corv::Variant;

constexpr int kClientWidth = 7500;
constexpr int kClientHeight = 4815;
constexpr std::int16_t kLastFormat = 4; // the caption formats are 0 to 4
constexpr std::int32_t kWhite = 0x00FFFFFF;

QLabel *Label(QWidget &parent, const char *name, const char *text, int left, int top, int width, int height)
{
    auto *label = FormLayout().Add<QLabel>(parent, name, left, top, width, height);
    label->setText(QString::fromUtf8(text));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

struct FrmvwDemo::Content {
    std::unique_ptr<HostedControl> QxMonthVw;
    std::unique_ptr<HostedControl> TimeUpDown;
    std::unique_ptr<HostedControl> DateUpDown;
    QLabel *LabSel = nullptr;
};

FrmvwDemo::FrmvwDemo()
    : DemoForm(kClientWidth, kClientHeight)
{
}

FrmvwDemo::~FrmvwDemo() = default;

const HostedControl *FrmvwDemo::Control(const char *name) const
{
    if (!m_content)
        return nullptr;
    const std::pair<const char *, const HostedControl *> controls[] = {
        {"QxMonthVw", m_content->QxMonthVw.get()},
        {"TimeUpDown", m_content->TimeUpDown.get()},
        {"DateUpDown", m_content->DateUpDown.get()},
    };
    for (const auto &[controlName, control] : controls)
        if (std::strcmp(controlName, name) == 0)
            return control;
    return nullptr;
}

void FrmvwDemo::Load(QWidget &client)
{
    m_content = std::make_unique<Content>();
    Content &c = *m_content;
    const FormLayout layout;

    Label(client, "", "点击此下拉控件，看看效果：", 120, 120, 4365, 255);
    c.QxMonthVw = std::make_unique<HostedControl>("Corvane.QxMonthVw", SavedProperties("FrmvwDemo.QxMonthVw"));
    c.QxMonthVw->Place(client, 120, 420);
    Label(client, "", "当前所选：", 120, 930, 1080, 255);
    c.LabSel = Label(client, "LabSel", "", 1200, 930, 4185, 255);

    auto *format = layout.Add<QPushButton>(client, "CmdFormat", 5505, 390, 1875, 390);
    format->setText(QString::fromUtf8("日期格式"));
    connect(format, &QPushButton::clicked, this, [this] { Guarded([this] { NextFormat(); }); });

    AddAppearanceGroup(client, 5505, 840, 1875, 855, [this](int look) {
        Guarded([this, look] {
            m_content->QxMonthVw->Put(dispid::qxmonthvw::kAppearance, Variant(std::int32_t(look)));
            m_content->QxMonthVw->Put(dispid::qxmonthvw::kBackColor, Variant(kWhite));
        });
    });

    auto *comment = layout.Add<QPlainTextEdit>(client, "TxtComment", 90, 1560, 5295, 2475);
    comment->setReadOnly(true);
    comment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comment->setFont(QFont(QStringLiteral("宋体"), 9));

    QGroupBox *spins = layout.Add<QGroupBox>(client, "", 5505, 1500, 1875, 1080);
    spins->setTitle(QString::fromUtf8("同时提供的控件"));
    c.TimeUpDown = std::make_unique<HostedControl>("Corvane.TimeUpDown", SavedProperties("FrmvwDemo.TimeUpDown"));
    c.TimeUpDown->Place(*spins, 120, 300);
    c.DateUpDown = std::make_unique<HostedControl>("Corvane.DateUpDown", SavedProperties("FrmvwDemo.DateUpDown"));
    c.DateUpDown->Place(*spins, 120, 675);
    Label(client, "", "以上是3D风格，在前一窗中可见FLAT风格的这两个控件。", 5505, 2700, 1875, 1080);
    Label(
        client,
        "",
        "你可以移动窗体，当控件较低时，弹出窗口会向上弹出。所有控件包括日期滚动与时间滚动控件都有前一控件的七个方法。",
        90,
        4125,
        5295,
        600);

    auto *close = layout.Add<QPushButton>(client, "CmdClose", 5505, 4155, 1875, 435);
    close->setText(QString::fromUtf8("关闭"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    c.QxMonthVw->On(dispid::qxmonthvw::kChangeEvent, [this] { PickerChanged(); });

    c.QxMonthVw->Put(dispid::kValue, Variant::Date(corvane::date::Now()));
    comment->setPlainText(LibraryComment());
}

void FrmvwDemo::NextFormat()
{
    ++m_formatCounter;
    if (m_formatCounter > kLastFormat)
        m_formatCounter = 0;
    m_content->QxMonthVw->Put(dispid::qxmonthvw::kAgrDateFormat, Variant(std::int32_t(m_formatCounter)));
}

void FrmvwDemo::PickerChanged()
{
    const Content &c = *m_content;
    c.DateUpDown->Put(dispid::kValue, c.QxMonthVw->Get(dispid::kValue));
    c.LabSel->setText(TextOf(c.QxMonthVw->Get(dispid::qxmonthvw::kCaption)));
}

void FrmvwDemo::ReleaseContent()
{
    m_content.reset();
}

} // namespace corvdemo
