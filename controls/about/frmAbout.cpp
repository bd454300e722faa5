#include "frmAbout.h"

#include "AboutText.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/OleColor.h"
#include "platform/ui/Text.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace corvane
{

namespace
{

#include "AboutIcon.xpm"

using ui::TwipsRect;

// clang-format off
// The layout, in twips: client area, parts (left, top, width, height) and the two separator lines
// (from x, to x, y, thickness in pixels, OLE colour).
constexpr int kClientWidth = 5055;
constexpr int kClientHeight = 3135;
constexpr TwipsRect kIconRect        {240,  240,  540,  540};
constexpr TwipsRect kTitleRect       {1050, 240,  3885, 480};
constexpr TwipsRect kVersionRect     {1050, 780,  3885, 225};
constexpr TwipsRect kDescriptionRect {1050, 1125, 3885, 1170};
constexpr TwipsRect kOkRect          {3675, 2625, 1260, 345};
struct SeparatorLine {
    int fromX;
    int toX;
    int y;
    int thickness;
    ui::OleColor color;
};
constexpr SeparatorLine kLines[] = {
    {90,  4950, 2445, 1, 0x808080}, // Line1(1): the upper, grey half of the etched separator
    {105, 4950, 2460, 2, 0xFFFFFF}, // Line1(0): the lower, white half
};
// clang-format on

constexpr int kTitlePoints = 14;

QLabel *MakeLabel(QWidget *parent, const char *name, const TwipsRect &rect, const ui::TwipsScale &scale)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(scale.ToPixels(rect));
    label->setFont(ui::DesignFont());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmAbout::frmAbout()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_scale(ui::ScreenTwipsScale())
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(m_scale.SizeToPixels(kClientWidth, kClientHeight));

    auto *icon = MakeLabel(this, "picIcon", kIconRect, m_scale);
    icon->setPixmap(QPixmap(kAboutIconXpm));

    m_title = MakeLabel(this, "lblTitle", kTitleRect, m_scale);
    QFont titleFont = ui::DesignFont(true);
    titleFont.setPointSize(kTitlePoints);
    m_title->setFont(titleFont);
    m_version = MakeLabel(this, "lblVersion", kVersionRect, m_scale);
    m_description = MakeLabel(this, "lblDescription", kDescriptionRect, m_scale);
    m_description->setWordWrap(true);

    auto *ok = new QPushButton(QStringLiteral("确认"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(m_scale.ToPixels(kOkRect));
    ok->setFont(ui::DesignFont());
    ok->setDefault(true); // Enter; Esc closes any QDialog, which makes the button the cancel button too
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::Load()
{
    setWindowTitle(ui::ToQString(AboutCaption()));
    m_version->setText(ui::ToQString(VersionLine()));
    m_title->setText(QString::fromUtf8(kLibraryTitle));
    m_description->setText(ui::DisplayText(kLibraryDescription));
}

void frmAbout::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const SeparatorLine &line : kLines) {
        const int left = m_scale.EdgeX(line.fromX);
        const QRect rect(left, m_scale.EdgeY(line.y), m_scale.EdgeX(line.toX) - left, line.thickness);
        painter.fillRect(rect, ui::ResolveOleColor(line.color, palette()));
    }
}

} // namespace corvane
