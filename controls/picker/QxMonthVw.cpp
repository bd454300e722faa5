#include "QxMonthVw.h"

#include "FrmMonthView.h"
#include "ModMonthVw.h"
#include "PickerKeys.h"
#include "QxMonthVwProperties.h"
#include "engine/AgrYearTable.h"
#include "engine/DateCaption.h"
#include "engine/PublishedRange.h"
#include "platform/automation/AutomationError.h"
#include "platform/date/Clock.h"
#include "platform/ui/Redraw.h"

#include <QApplication>
#include <QFrame>
#include <QScrollBar>

#include <algorithm>

namespace corvane
{

namespace
{

// The surface's own input; the parts cover it all and keep theirs, so these hardly ever fire.
constexpr ui::SurfaceEvents kSurfaceEvents{
    ui::kNoEvent,
    ui::kNoEvent,
    QxMonthVw::kKeyPress,
    QxMonthVw::kKeyUp,
    QxMonthVw::kMouseDown,
    QxMonthVw::kMouseMove,
    QxMonthVw::kMouseUp,
};

void CheckColor(ui::OleColor value, const char *property)
{
    if (!ui::IsValidOleColor(value))
        ThrowInvalidPropertyValue(property);
}

} // namespace

// Initialization, for every instance: the engine tables, the layout, today's date and its caption
// in format 0, and the date the month view first shows. The shared drop-down form is loaded by the
// first opening: most pickers on a form are never opened, and the month view is the costliest part.
QxMonthVw::QxMonthVw(QWidget *surfaceParent)
    : ControlBase(Info(), "QxMonthVw", kSurfaceEvents, surfaceParent)
    , m_parts(picker::BuildPickerParts(*Surface()))
    , m_font(MakeObject<StdFont>())
{
    ModAgrCAl::InitAgrTables();
    Layout();
    ApplyColors();
    if (m_currDate == 0)
        m_currDate = date::Today();
    ModMonthVw::State().DropInDate = m_currDate;
    ModMonthVw::State().DropYears = m_years;
    ShowCaption(CaptionOf(m_currDate, 0));
    FrmMonthView::LoadAtFirstUse();

    SetFocusTarget(m_parts.PictBtn);
    QObject::connect(m_parts.PictBtn, &QScrollBar::valueChanged, Connections(), [this](int value) {
        VScBtn_Change(value);
    });
    QObject::connect(qApp, &QApplication::focusChanged, Connections(), [this](QWidget *old, QWidget *now) {
        FocusMoved(old, now);
    });
}

// Termination: the shared form goes (the next picker to need it loads it again); the engine client
// clears the year table and the month cells.
QxMonthVw::~QxMonthVw()
{
    Detach();
    FrmMonthView::Unload();
}

void QxMonthVw::Layout()
{
    m_geometry = picker::LayoutPicker(m_appearance, m_borderStyle, Scale().PerPixelX());
    if (HasParts())
        picker::ApplyPickerLayout(m_parts, m_geometry, m_appearance, m_borderStyle, Scale());
    SetFixedExtent(m_geometry.PicCmb.width, m_geometry.PicCmb.height);
}

void QxMonthVw::ApplyColors()
{
    if (HasParts()) {
        // System colours are resolved as the parts paint.
        m_parts.PicCmb->SetBackColor(m_backColor);
        m_parts.LabCmb->SetForeColor(m_foreColor);
    }
}

void QxMonthVw::ShowCaption(std::string caption)
{
    m_caption = std::move(caption);
    if (HasParts())
        m_parts.LabCmb->SetText(QString::fromStdString(m_caption));
}

std::string QxMonthVw::CaptionOf(date::Date value, int format) const
{
    if (date::YmdOf(value).year > std::max(m_years.last, ModAgrCAl::kLastPublishedTableYear))
        ModAgrCAl::ThrowSubscriptOutOfRange();
    return ModAgrCAl::GetDateCaption(value, format);
}

// ---- properties --------------------------------------------------------------------------------

void QxMonthVw::SetCurrDate(date::Date value)
{
    std::string caption = CaptionOf(value, m_format);
    m_currDate = value;
    PropertyChanged(picker::kCurrDate.name);
    ShowCaption(std::move(caption));
    Raise(kChange);
}

void QxMonthVw::SetYearRange(date::YearRange years)
{
    m_years = ModAgrCAl::CheckedTableSpan(years);
}

void QxMonthVw::SetAgrDateFormat(std::int32_t value)
{
    std::string caption = CaptionOf(m_currDate, value);
    m_format = value;
    ShowCaption(std::move(caption));
    PropertyChanged(picker::kAgrDateFormat.name);
}

void QxMonthVw::SetAppearance(std::int32_t value)
{
    ui::CheckLookValue(value, picker::kAppearance.name);
    m_appearance = std::int16_t(value);
    PropertyChanged(picker::kAppearance.name);
    Layout();
}

void QxMonthVw::SetBorderStyle(std::int32_t value)
{
    ui::CheckLookValue(value, picker::kBorderStyle.name);
    m_borderStyle = std::int16_t(value);
    PropertyChanged(picker::kBorderStyle.name);
    Layout();
}

void QxMonthVw::SetBackColor(ui::OleColor value)
{
    CheckColor(value, picker::kBackColor.name);
    m_backColor = value;
    ApplyColors();
    PropertyChanged(picker::kBackColor.name);
}

void QxMonthVw::SetForeColor(ui::OleColor value)
{
    CheckColor(value, picker::kForeColor.name);
    m_foreColor = value;
    ApplyColors();
    PropertyChanged(picker::kForeColor.name);
}

void QxMonthVw::SetFont(const ObjectHandle &font)
{
    auto *stdFont = dynamic_cast<StdFont *>(font.get());
    if (!stdFont)
        throw AutomationError(ErrorNumber::TypeMismatch, "Type mismatch: Font takes a font object");
    m_font = ObjectPtr<StdFont>(stdFont);
    PropertyChanged(picker::kFont.name);
}

void QxMonthVw::Refresh()
{
    if (QWidget *surface = Surface())
        ui::RepaintTree(*surface);
}

// ---- persistence -------------------------------------------------------------------------------

// A newly placed control: the ambient font, 1 January 1901 in the format it has (0).
void QxMonthVw::InitNew()
{
    m_font = MakeObject<StdFont>();
    m_currDate = picker::kCurrDate.initial;
    ShowCaption(CaptionOf(m_currDate, m_format));
    Layout();
}

// Every value goes straight to its place: nothing is reported or raised and the caption is the saved
// text. The box takes the size of the loaded look, as a host's sizing after a load would give it.
void QxMonthVw::Load(const PropertyBag &bag)
{
    const auto [appearance, borderStyle, backColor, foreColor, enabled, font, caption, currDate, format] =
        picker::Saved::Read(bag);
    m_appearance = std::int16_t(appearance);
    m_borderStyle = std::int16_t(borderStyle);
    m_backColor = backColor;
    m_foreColor = foreColor;
    ApplyEnabled(enabled);
    m_font = ObjectPtr<StdFont>(static_cast<StdFont *>(font.get()));
    ShowCaption(caption);
    m_currDate = currDate;
    m_format = format;
    ApplyColors();
    Layout();
}

void QxMonthVw::Save(PropertyBag &bag) const
{
    picker::Saved::Write(*this, bag);
}

} // namespace corvane
