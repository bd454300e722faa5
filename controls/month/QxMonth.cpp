#include "QxMonth.h"

#include "GridKeys.h"
#include "MonthDropSeam.h"
#include "MonthGridAccessible.h"
#include "MonthGridModel.h"
#include "MonthHelp.h"
#include "MonthRange.h"
#include "QxMonthProperties.h"
#include "api/QxEnums.h"
#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/AgrYearTable.h"
#include "platform/automation/AutomationError.h"
#include "platform/date/Clock.h"
#include "platform/date/DateArithmetic.h"
#include "platform/date/DateFormat.h"
#include "platform/ui/ModalRunner.h"
#include "platform/ui/Redraw.h"
#include "platform/ui/Text.h"
#include "platform/ui/VirtualKeys.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

namespace corvane
{

using month::MonthParts;

// Watches the parts whose input the control handles without owning their classes: the lists, the
// today label, the lunar month label and the header board.
class QxMonthPartFilter final : public QObject
{
public:
    explicit QxMonthPartFilter(QxMonth &month)
        : m_month(month)
    {
        const MonthParts &p = month.m_parts;
        for (QObject *part : {static_cast<QObject *>(p.CmbUniYear),
                              static_cast<QObject *>(p.CmbUniMonth),
                              static_cast<QObject *>(p.LabToday),
                              static_cast<QObject *>(p.LabAgrMonth),
                              static_cast<QObject *>(p.PictBoard)})
            part->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_month.Enabled())
            return false;
        const MonthParts &p = m_month.m_parts;
        const QEvent::Type type = event->type();
        if (watched == p.CmbUniYear || watched == p.CmbUniMonth) {
            if (type == QEvent::FocusIn)
                m_month.ListFocusIn();
        } else if (watched == p.LabToday) {
            if (type == QEvent::MouseButtonPress)
                m_month.TodayPressed();
            else if (type == QEvent::MouseButtonRelease && ui::IsClick(*p.LabToday, *static_cast<QMouseEvent *>(event)))
                m_month.TodayClicked();
        } else if (watched == p.LabAgrMonth) {
            if (type == QEvent::MouseMove)
                m_month.AgrMonthHovered();
        } else if (watched == p.PictBoard) {
            if (type == QEvent::MouseButtonPress)
                m_month.BoardPressed(true);
            else if (type == QEvent::MouseButtonRelease)
                m_month.BoardPressed(false);
        }
        return false;
    }

private:
    QxMonth &m_month;
};

// Collects the redraw requests of its lifetime into one repaint.
class QxMonth::RedrawBatch
{
public:
    explicit RedrawBatch(QxMonth &month)
        : m_month(month)
    {
        ++m_month.m_redrawBatch;
    }
    ~RedrawBatch()
    {
        if (--m_month.m_redrawBatch == 0)
            m_month.FlushRedraw();
    }
    RedrawBatch(const RedrawBatch &) = delete;
    RedrawBatch &operator=(const RedrawBatch &) = delete;

private:
    QxMonth &m_month;
};

namespace
{

constexpr ui::SurfaceEvents kSurfaceEvents{
    QxMonth::kClick,
    QxMonth::kDblClick,
    QxMonth::kKeyPress,
    QxMonth::kKeyUp,
    QxMonth::kMouseDown,
    QxMonth::kMouseMove,
    QxMonth::kMouseUp,
};

bool SameMonth(date::Date a, date::Date b)
{
    const date::Ymd x = date::YmdOf(a);
    const date::Ymd y = date::YmdOf(b);
    return x.year == y.year && x.month == y.month;
}

QString TodayText()
{
    return ui::ToQString(date::Format(date::Today(), date::kChineseDatePattern));
}

} // namespace

// Creation: the engine tables (m_engine), the fixed size, the system date when no date is set yet,
// the cell size, the lists, the arrows' range and the today tool tip.
QxMonth::QxMonth(QWidget *surfaceParent)
    : ControlBase(Info(), "QxMonth", kSurfaceEvents, surfaceParent)
    , m_parts(month::BuildMonthParts(*Surface(), Scale()))
{
    ApplyFixedSize();
    if (m_currDate == 0)
        m_currDate = date::ClampToYears(date::Today(), m_years);
    const QSize grid = m_parts.PicMonth->size();
    m_cell = month::ComputeCellSize(Scale().ToTwipsX(grid.width()),
                                    Scale().ToTwipsY(grid.height()),
                                    Scale().PerPixelX(),
                                    Scale().PerPixelY());
    m_repaintPending = false;
    month::FillYearList(*m_parts.CmbUniYear, m_years);
    month::FillMonthList(*m_parts.CmbUniMonth);
    ModAgrCAl::InitAgrTables();
    m_parts.HScMonth->setRange(month::kFirstMonthValue, month::LastMonthValue(m_years));
    m_parts.LabToday->setToolTip(TodayText());
    m_focusInside = false;

    m_parts.PicMonth->SetInput(this);
    SetFocusTarget(m_parts.PicMonth);
    m_filter = std::make_unique<QxMonthPartFilter>(*this);
    QObject::connect(m_parts.CmbUniYear, &QComboBox::activated, Connections(), [this](int index) {
        ListChosen(true, index);
    });
    QObject::connect(m_parts.CmbUniMonth, &QComboBox::activated, Connections(), [this](int index) {
        ListChosen(false, index);
    });
    QObject::connect(m_parts.HScMonth, &QScrollBar::valueChanged, Connections(), [this](int value) {
        MonthArrow(value);
    });
}

QxMonth::~QxMonth()
{
    Detach();
    m_filter.reset();
    if (HasParts())
        m_parts.PicMonth->SetInput(nullptr);
}

void QxMonth::ApplyFixedSize()
{
    if (!HasParts())
        return;
    const QSize outer = month::ApplyAppearanceFrame(m_parts, m_appearance, Scale());
    SetFixedExtent(outer.width(), outer.height());
}

// System colours are resolved anew, everywhere at once: the grid's picture too, not only the parts
// that take their colours from the palette themselves.
void QxMonth::SurfacePaletteChanged()
{
    if (!HasParts())
        return;
    month::ApplyPartColors(m_parts, m_colors, Surface()->palette());
    m_pictureStale = true;
    m_parts.PicMonth->update();
}

// ---- properties --------------------------------------------------------------------------------

void QxMonth::SetCurrDate(date::Date value)
{
    m_repaintPending = true;
    SelectDate(date::ClampToYears(value, m_years));
    PropertyChanged(month::kCurrDate.name);
    Raise(kChange);
}

// Not a property: hosts of the automation surface always have the published years. The year list and
// the month arrows follow the span; a date outside moves in as an assignment would move it, silently,
// since the owner sets the span before it hands out dates.
void QxMonth::SetYearRange(date::YearRange years)
{
    ModAgrCAl::CheckedTableSpan(years);
    if (years.first == m_years.first && years.last == m_years.last)
        return;
    m_years = years;
    m_currDate = date::ClampToYears(m_currDate, m_years);
    if (!HasParts())
        return;
    m_syncingLists = true;
    month::FillYearList(*m_parts.CmbUniYear, m_years);
    m_syncingLists = false;
    // The bar's value is the shown month counted from the new first year; set together, the change
    // of range is no arrow press.
    m_monthScrollValue = month::MonthValueOf(date::Year(m_currDate), date::Month(m_currDate), m_years);
    {
        const QSignalBlocker quiet(m_parts.HScMonth);
        m_parts.HScMonth->setRange(month::kFirstMonthValue, month::LastMonthValue(m_years));
        m_parts.HScMonth->setValue(m_monthScrollValue);
    }
    m_pictureStale = true;
    m_parts.PicMonth->update();
}

void QxMonth::SetAppearance(std::int32_t value)
{
    if (value != Flat && value != ThreeD)
        ThrowInvalidPropertyValue(month::kAppearance.name);
    m_appearance = value;
    PropertyChanged(month::kAppearance.name);
    ApplyFixedSize();
}

void QxMonth::SetColor(ui::OleColor month::MonthColors::*field, const char *name, ui::OleColor value)
{
    ui::CheckOleColor(value);
    m_colors.*field = value;
    PropertyChanged(name);
    PicMonth_Paint();
}

void QxMonth::Refresh()
{
    {
        const RedrawBatch batch(*this);
        PrepareGrid();
        m_pendingRedraw = QRegion(); // the whole surface is drawn below
    }
    if (QWidget *surface = Surface())
        ui::RepaintTree(*surface);
}

// ---- life cycle --------------------------------------------------------------------------------

void QxMonth::InitNew()
{
    m_currDate = month::kCurrDate.initial;
    m_pictureStale = true;
    if (HasParts())
        m_parts.PicMonth->update();
}

// The grid shows the loaded state at its next repaint. A loaded date outside 1901..2030 is moved into
// the range as an assignment would; the Appearance border is applied at once, as the host's sizing
// that follows a load would apply it.
void QxMonth::Load(const PropertyBag &bag)
{
    const auto [appearance,
                foreColor,
                enabled,
                currDate,
                agrFore,
                festFore,
                dateBack,
                weekFore,
                stFore,
                weekBack,
                sTermBack,
                select] = month::Saved::Read(bag);
    m_appearance = appearance;
    m_colors = {foreColor, agrFore, festFore, dateBack, weekFore, stFore, weekBack, sTermBack, select};
    ApplyEnabled(enabled);
    m_currDate = date::ClampToYears(currDate, m_years);
    ApplyFixedSize();
    m_pictureStale = true;
    if (HasParts())
        m_parts.PicMonth->update();
}

void QxMonth::Save(PropertyBag &bag) const
{
    month::Saved::Write(*this, bag);
}

// ---- drawing -----------------------------------------------------------------------------------

void QxMonth::PicMonth_Paint()
{
    const RedrawBatch batch(*this);
    PrepareGrid();
    if (HasParts())
        RedrawGrid(m_parts.PicMonth->rect());
}

void QxMonth::PrepareGrid()
{
    ModAgrCAl::InitAgrTables();
    const QWidget *surface = Surface();
    if (!surface)
        return;
    const QPalette &palette = surface->palette();
    month::ApplyPartColors(m_parts, m_colors, palette);

    const date::Ymd shown = date::YmdOf(m_currDate);
    const month::MonthGridModel model = month::BuildMonthGrid(shown.year, shown.month, date::Today(), m_colors);

    m_syncingLists = true;
    m_parts.CmbUniYear->setCurrentIndex(shown.year - m_years.first);
    m_parts.CmbUniMonth->setCurrentIndex(shown.month - 1);
    m_syncingLists = false;
    m_monthScrollValue = month::MonthValueOf(shown.year, shown.month, m_years);
    m_parts.HScMonth->setValue(m_monthScrollValue);

    m_parts.PicMonth->Picture() = month::MakeGridPicture(model, m_cell, m_colors, palette);
    m_pictureStale = false;
    m_parts.LabJie->setText(ui::ToQString(model.firstTermText));
    m_parts.LabQi->setText(ui::ToQString(model.secondTermText));
    ToggleSelection(true);
}

void QxMonth::ToggleSelection(bool draw)
{
    const date::Ymd day = date::YmdOf(m_currDate);
    if (HasParts()) {
        m_parts.PicMonth->Picture().highlightDay = draw ? day.day : 0;
        RedrawGrid(m_parts.PicMonth->CellRect(month::PlaceDay(month::FirstDayOffset(day.year, day.month), day.day)));
    }
    m_selAgrDate = ModAgrCAl::UniToAgrDate(std::int16_t(day.year), std::int16_t(day.month), std::int16_t(day.day));
    m_agrYearText = ModAgrCAl::GetAgrYearName(m_selAgrDate.Year);
    m_agrMonthText = ModAgrCAl::GetAgrMonthName(m_selAgrDate.Month, ModAgrCAl::AgrYear(m_selAgrDate.Year).LeapMonth);
    m_animalText = ModAgrCAl::GetYearZodiacName(m_selAgrDate.Year);
    if (HasParts()) {
        m_parts.LabAgrYear->setText(ui::ToQString(m_agrYearText));
        m_parts.LabAgrMonth->setText(ui::ToQString(m_agrMonthText));
        m_parts.LabAnimal->setText(ui::ToQString(m_animalText));
        if (draw)
            month::AnnounceGridSelection(*m_parts.PicMonth);
    }
}

void QxMonth::SelectDate(date::Date newDate)
{
    // Every caller holds its date to the supported years; a date outside them would leave the grid
    // with nothing to show (and the engine with no table to read), so it is refused here.
    if (!m_years.Contains(date::Year(newDate)))
        throw AutomationError(ErrorNumber::InvalidCall,
                              "Invalid procedure call or argument: date outside the control's years");
    const RedrawBatch batch(*this);
    if (SameMonth(newDate, m_currDate)) {
        if (m_repaintPending) {
            m_currDate = newDate;
            PicMonth_Paint();
            m_repaintPending = false;
        }
        ToggleSelection(false);
        m_currDate = newDate;
        ToggleSelection(true);
    } else {
        m_currDate = newDate;
        PicMonth_Paint();
    }
    m_focusInside = false;
}

void QxMonth::RedrawGrid(const QRect &rect)
{
    if (!HasParts())
        return;
    m_pendingRedraw += m_pictureStale ? m_parts.PicMonth->rect() : rect;
    if (m_redrawBatch == 0)
        FlushRedraw();
}

// Draws at once what a batch collected, like the direct drawing of the design; a grid that is hidden
// or whose window's redrawing is suspended gets it at its next paint.
void QxMonth::FlushRedraw()
{
    const QRegion region = std::exchange(m_pendingRedraw, QRegion());
    if (region.isEmpty() || !HasParts())
        return;
    QWidget *grid = m_parts.PicMonth;
    if (grid->isVisible() && !ui::IsRedrawSuspended(grid))
        grid->repaint(region);
    else
        grid->update(region);
}

void QxMonth::GridAboutToPaint(const QRegion &region)
{
    if (!m_pictureStale)
        return;
    {
        const RedrawBatch batch(*this);
        PrepareGrid();
        m_pendingRedraw = QRegion(); // this paint draws it
    }
    const QRegion rest = QRegion(m_parts.PicMonth->rect()) - region;
    if (!rest.isEmpty())
        m_parts.PicMonth->update(rest);
}

// A grid being shown is redrawn from the current state, the way an uncovered window repaints.
void QxMonth::GridShown()
{
    m_pictureStale = true;
}

// ---- grid input --------------------------------------------------------------------------------

void QxMonth::GridKeyPress(QKeyEvent &event)
{
    const InputScope scope(*this);
    bool consumed = false;
    if (const int code = ui::VirtualKeyOf(event.key())) {
        auto keyCode = std::int16_t(code);
        std::int16_t shift = ui::ShiftStateOf(event.modifiers());
        const month::GridKeyResult key = month::GridKeyTarget(code, shift, m_currDate, date::Today());
        if (key.action == month::GridKeyAction::Help)
            ui::ShowMessageBox(month::MonthHelpBox(), Surface());
        if (key.action == month::GridKeyAction::Move && m_years.Contains(date::Year(key.target))) {
            SelectDate(key.target);
            RaiseByRef(kKeyDown, keyCode, shift);
            Raise(kChange);
            keyCode = 0;
        } else {
            RaiseByRef(kKeyDown, keyCode, shift);
        }
        consumed = keyCode == 0;
    }
    // Keys typed in the grid reach the control's own key events too.
    RaiseKeyPress(event);
    event.setAccepted(consumed);
}

void QxMonth::GridKeyRelease(QKeyEvent &event)
{
    const InputScope scope(*this);
    RaiseKeyUp(event);
    event.ignore();
}

int QxMonth::DayAt(const QPointF &position) const
{
    const date::Ymd shown = date::YmdOf(m_currDate);
    return month::HitTestDay(Scale().ToTwipsX(position.x()),
                             Scale().ToTwipsY(position.y()),
                             m_cell,
                             month::FirstDayOffset(shown.year, shown.month),
                             date::DaysInMonth(shown.year, shown.month));
}

// Every button selects the day under the pointer; a press while another button is down does nothing.
// Qt follows the second press of a double click with a double-click event, which marks that press so
// that its release raises no Click.
void QxMonth::GridMousePress(QMouseEvent &event, bool secondOfDouble)
{
    const InputScope scope(*this);
    if (secondOfDouble) {
        m_gridPress = {event.button(), true, false};
        return;
    }
    if (m_gridPress.button != Qt::NoButton)
        return;
    m_gridPress = {event.button(), false, false};
    if (const int day = DayAt(event.position())) {
        const date::Ymd shown = date::YmdOf(m_currDate);
        SelectDate(date::FromYmd(shown.year, shown.month, day));
        m_gridPress.selected = true;
    }
}

// A click of any button on the grid, on a day or not, raises Change and then Click. A press that
// selected a day and is released off the grid clicks nothing but still reports the new date: a host
// following Change never shows a stale one.
void QxMonth::GridMouseRelease(QMouseEvent &event)
{
    if (event.button() != m_gridPress.button)
        return;
    const InputScope scope(*this);
    const GridPress press = std::exchange(m_gridPress, {});
    if (press.secondOfDouble)
        return;
    if (m_parts.PicMonth->rect().contains(event.position().toPoint())) {
        Raise(kChange);
        Raise(kClick);
    } else if (press.selected) {
        Raise(kChange);
    }
}

void QxMonth::GridMouseMove(QMouseEvent &event)
{
    if (const int day = DayAt(event.position())) {
        const date::Ymd shown = date::YmdOf(m_currDate);
        m_parts.PicMonth->setToolTip(
            ui::ToQString(ModAgrCAl::GetDayEraName(date::FromYmd(shown.year, shown.month, day))));
    }
}

// The decision waits until the events already queued have run, so that a part of this control that
// is taking the focus has marked FocusInside first.
void QxMonth::GridFocusOut()
{
    if (QObject *context = Connections())
        QTimer::singleShot(0, context, [this] { DecideGridFocusLoss(); });
}

void QxMonth::DecideGridFocusLoss()
{
    const InputScope scope(*this);
    if (m_focusInside) {
        m_focusInside = false;
        return;
    }
    QWidget *surface = Surface();
    if (!surface)
        return;
    const QWidget *form = surface->window();
    const bool namedForm = form != surface && !form->objectName().trimmed().isEmpty();
    month::MonthDropHost *drop = month::CurrentMonthDropHost();
    if (namedForm && drop && drop->DropShown())
        drop->CloseDropDown();
}

// ---- the other parts ---------------------------------------------------------------------------

void QxMonth::ListChosen(bool yearList, int index)
{
    const InputScope scope(*this);
    m_focusInside = true;
    if (m_syncingLists)
        return;
    const date::Ymd current = date::YmdOf(m_currDate);
    const date::Date chosen = yearList ? date::FromYmd(m_years.first + index, current.month, current.day)
                                       : date::FromYmd(current.year, index + 1, current.day);
    SelectDate(chosen);
    m_parts.PicMonth->setFocus();
    Raise(kChange);
}

void QxMonth::ListFocusIn()
{
    m_focusInside = true;
}

void QxMonth::MonthArrow(int value)
{
    if (value == m_monthScrollValue)
        return;
    const InputScope scope(*this);
    SelectDate(date::Add(date::Unit::Month, value - m_monthScrollValue, m_currDate));
    m_monthScrollValue = value;
    Raise(kChange);
}

void QxMonth::TodayPressed()
{
    m_parts.LabToday->setToolTip(TodayText());
}

void QxMonth::TodayClicked()
{
    const InputScope scope(*this);
    m_focusInside = true;
    SelectDate(date::ClampToYears(date::Today(), m_years));
}

void QxMonth::AgrMonthHovered()
{
    if (m_selAgrDate.Year != 0)
        m_parts.LabAgrMonth->setToolTip(
            ui::ToQString(ModAgrCAl::GetMonthEraName(m_selAgrDate.Year, m_selAgrDate.Month)));
}

void QxMonth::BoardPressed(bool down)
{
    m_focusInside = down;
}

} // namespace corvane
