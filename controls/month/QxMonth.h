#pragma once

#include "MonthColors.h"
#include "MonthGeometry.h"
#include "MonthGridWidget.h"
#include "MonthParts.h"
#include "controls/common/ControlBase.h"
#include "controls/common/ControlEvents.h"
#include "engine/AgrDate.h"
#include "engine/EngineLifetime.h"
#include "engine/PublishedRange.h"
#include "platform/date/DateValue.h"

#include <QRegion>

#include <memory>
#include <string>

namespace corvane
{

class QxMonthPartFilter;

// The month calendar (ProgID "Corvane.QxMonth", interface _QxMonth, events __QxMonth): one
// Gregorian month as a grid of days with their lunar days or festivals, the lunar year, month and
// zodiac of the selected day above it and the month's two solar terms below.
//
// Every change of the selected day goes through SelectDate: a move inside the shown month erases
// and redraws the highlight of two cells, a move to another month repaints in full (PicMonth_Paint).
// Input arrives from the parts (the grid, the lists, the month arrows, the today label and the
// header) and raises the events of __QxMonth synchronously.
class QxMonth final : public ui::ControlBase, private month::MonthGridInput
{
public:
    static constexpr const char *kProgId = "Corvane.QxMonth";

    // Its events are the standard ones of the visual controls (Click .. Change, ids 1..9).
    using enum ui::StandardEvent;

    // `surfaceParent`: see ControlBase.
    explicit QxMonth(QWidget *surfaceParent = nullptr);
    ~QxMonth() override;
    static const ClassInfo &Info();

    // Reading returns the stored value, time of day included. Assigning holds the year to YearRange
    // (month and day kept, no time of day), repaints the grid in full before moving the highlight,
    // reports the change and raises Change, even for the value already held.
    date::Date CurrDate() const noexcept { return m_currDate; }
    void SetCurrDate(date::Date value);

    // The Gregorian years the control shows and selects: 1901..2030 unless its C++ owner opens
    // another span of the engine's years (ModAgrCAl::kTableYears; error 5 for any other span, and
    // for an empty one). The current date moves into the span without an event.
    date::YearRange YearRange() const noexcept { return m_years; }
    void SetYearRange(date::YearRange years);

    // cApperance: Flat 0, 3D 1 (anything else is error 380). 3D adds a sunken border and 30 twips.
    int Appearance() const noexcept { return m_appearance; }
    void SetAppearance(std::int32_t value);

    // The nine colour properties. A value that is no colour is error 380 and changes nothing;
    // otherwise the colour is stored, reported under `name` and the grid repainted in full.
    const month::MonthColors &Colors() const noexcept { return m_colors; }
    void SetColor(ui::OleColor month::MonthColors::*field, const char *name, ui::OleColor value);

    // Repaints the whole control, its grid composed afresh.
    void Refresh();

    void InitNew() override;
    void Load(const PropertyBag &bag) override;
    void Save(PropertyBag &bag) const override;

    // The full repaint: lists, month arrows, day cells, solar terms and the highlight, all from
    // CurrDate and the colours.
    void PicMonth_Paint();
    // Draws (or erases) the highlight on CurrDate's cell and relabels the lunar header.
    void ToggleSelection(bool draw);
    // Makes newDate (stored as given, time included) the selected date. Raises no event. Error 5 for
    // a date outside YearRange, which every caller holds its dates to.
    void SelectDate(date::Date newDate);

    // Control state, for the drop-down picker and for tests.
    int CellWidth() const noexcept { return m_cell.width; }
    int CellHeight() const noexcept { return m_cell.height; }
    int MonthScrollValue() const noexcept { return m_monthScrollValue; }
    bool FocusInside() const noexcept { return m_focusInside; }
    bool RepaintPending() const noexcept { return m_repaintPending; }
    const std::string &AgrYearText() const noexcept { return m_agrYearText; }
    const std::string &AgrMonthText() const noexcept { return m_agrMonthText; }
    const std::string &AnimalText() const noexcept { return m_animalText; }

private:
    friend class QxMonthPartFilter;

    // The grid's input.
    void GridAboutToPaint(const QRegion &region) override;
    void GridShown() override;
    void GridKeyPress(QKeyEvent &event) override;
    void GridKeyRelease(QKeyEvent &event) override;
    void GridMousePress(QMouseEvent &event, bool secondOfDouble) override;
    void GridMouseRelease(QMouseEvent &event) override;
    void GridMouseMove(QMouseEvent &event) override;
    void GridFocusOut() override;
    void DecideGridFocusLoss();
    int DayAt(const QPointF &gridPosition) const;

    // The other parts' input.
    void ListChosen(bool yearList, int index);
    void ListFocusIn();
    void MonthArrow(int value);
    void TodayPressed();
    void TodayClicked();
    void AgrMonthHovered();
    void BoardPressed(bool down);

    // Drawing: PrepareGrid does the full repaint's work but the drawing itself. Redraw requests
    // made while a batch is open are drawn together when the outermost batch closes.
    bool HasParts() const noexcept { return Surface() != nullptr; }
    void PrepareGrid();
    void RedrawGrid(const QRect &rect);
    void FlushRedraw();
    class RedrawBatch;
    void ApplyFixedSize();
    void SurfacePaletteChanged() override;

    ModAgrCAl::EngineClient m_engine;
    month::MonthParts m_parts;
    std::unique_ptr<QxMonthPartFilter> m_filter;

    date::YearRange m_years = ModAgrCAl::kPublishedYears;
    date::Date m_currDate = 0;
    int m_appearance = 0;
    month::MonthColors m_colors;
    month::CellSize m_cell{0, 0};
    int m_monthScrollValue = 0;
    bool m_syncingLists = false;
    bool m_focusInside = false;
    bool m_repaintPending = false;
    ModAgrCAl::AgrDate m_selAgrDate;
    std::string m_agrYearText;
    std::string m_agrMonthText;
    std::string m_animalText;

    bool m_pictureStale = true; // the grid's picture does not show the current state yet
    int m_redrawBatch = 0;
    QRegion m_pendingRedraw;
    // The mouse press on the grid under way: its button (none between presses), whether it is the
    // second press of a double click, and whether it selected a day.
    struct GridPress {
        Qt::MouseButton button = Qt::NoButton;
        bool secondOfDouble = false;
        bool selected = false;
    } m_gridPress;
};

} // namespace corvane
