#pragma once

#include "PickerLayout.h"
#include "PickerParts.h"
#include "controls/common/ControlBase.h"
#include "engine/EngineLifetime.h"
#include "engine/PublishedRange.h"
#include "platform/automation/StdFont.h"
#include "platform/date/DateValue.h"
#include "platform/ui/OleColor.h"

#include <cstdint>
#include <string>

namespace corvane
{

// The drop-down date picker (ProgID "Corvane.QxMonthVw", interface _QxMonthVw, events __QxMonthVw): a
// one-line box showing the current date as a caption, with a drop button at its right end that opens
// the thread's month view (FrmMonthView) below or above the box.
//
// The caption is computed only when the date or the format is set, when a date comes back from the
// drop-down, and at creation; a loaded control shows its saved caption. The control stores any date.
//
// Focus: the control passes the focus to its drop button PictBtn. When the focus enters the
// control it closes an open drop-down and takes a picked date (raising Change) - as soon as the focus
// change is over, never inside it, so that a host may release pickers or delete its form in Change;
// when it leaves for another part of the same window an open drop-down closes at once.
class QxMonthVw final : public ui::ControlBase
{
public:
    static constexpr const char *kProgId = "Corvane.QxMonthVw";

    enum Event : DispId {
        kKeyDown = 1,
        kKeyPress = 2,
        kKeyUp = 3,
        kMouseDown = 4,
        kMouseMove = 5,
        kMouseUp = 6,
        kChange = 7,
    };

    // `surfaceParent`: see ControlBase.
    explicit QxMonthVw(QWidget *surfaceParent = nullptr);
    ~QxMonthVw() override;
    static const ClassInfo &Info();

    // Assigning computes the caption in the current format first: a date the lunar table does not
    // reach is error 9 and changes nothing. Then the date is stored as given, reported, shown, and
    // Change raised (also for the value already held).
    date::Date CurrDate() const noexcept { return m_currDate; }
    void SetCurrDate(date::Date value);

    // Any value is stored (one outside 0..4 shows the Gregorian date alone); the caption follows, or,
    // when the current date has no caption, error 9 and nothing changes. No event.
    std::int32_t AgrDateFormat() const noexcept { return m_format; }
    void SetAgrDateFormat(std::int32_t value);

    // The Gregorian years the drop-down's month view offers: 1901..2030 unless the C++ owner opens
    // another span of the engine's years (error 5 for any other). The caption reaches the last of
    // them, or the end of the published tables (2031) when that is later. Not a property: hosts of
    // the automation surface always have the published years.
    date::YearRange YearRange() const noexcept { return m_years; }
    void SetYearRange(date::YearRange years);

    // Off: the drop-down's month view keeps the last date it showed, as hosts of the automation
    // surface have always seen. On (C++ owners that expect a popup to open on the edited date, as
    // Qt's date editors do): each opening shows the picker's date. Not a property.
    bool DropShowsItsDate() const noexcept { return m_dropShowsItsDate; }
    void SetDropShowsItsDate(bool on) noexcept { m_dropShowsItsDate = on; }

    const std::string &Caption() const noexcept { return m_caption; }

    // PicCmb's look (0 or 1, else error 380); setting either lays the control out again.
    int Appearance() const noexcept { return m_appearance; }
    void SetAppearance(std::int32_t value);
    int BorderStyle() const noexcept { return m_borderStyle; }
    void SetBorderStyle(std::int32_t value);

    // A value that is no colour is error 380 and changes nothing.
    ui::OleColor BackColor() const noexcept { return m_backColor; }
    void SetBackColor(ui::OleColor value);
    ui::OleColor ForeColor() const noexcept { return m_foreColor; }
    void SetForeColor(ui::OleColor value);

    // The font object, shared with whoever handed it over. The caption keeps the design font.
    const ObjectPtr<StdFont> &Font() const noexcept { return m_font; }
    // Error 13 for anything but a font object.
    void SetFont(const ObjectHandle &font);

    void Refresh();

    void InitNew() override;
    void Load(const PropertyBag &bag) override;
    void Save(PropertyBag &bag) const override;

    const picker::PickerGeometry &Geometry() const noexcept { return m_geometry; }

    // The drop button's value changed (the bar's valueChanged): opens or closes the drop-down. A press
    // that arrives while an opening (of any picker) is under way is ignored.
    void VScBtn_Change(int value);

    // A pick that no picker's focus entry has taken once the events waiting after it have run - the
    // window system never activated the drop-down, so the focus did not come back - goes to the
    // picker holding the focus, else to `opener`'s picker (a picker's window). With neither, the
    // drop-down is closed all the same and the pick waits for the next focus entry.
    static void TakeWaitingPick(QWidget *opener);

private:
    // The caption of a date in a format; error 9 past the published tables (see PublishedRange.h), or
    // past YearRange when that ends later.
    std::string CaptionOf(date::Date value, int format) const;
    bool HasParts() const noexcept { return Surface() != nullptr; }
    void Layout();
    void ApplyColors();
    void ShowCaption(std::string caption);

    // The drop-down.
    void OpenDropDown(int workAreaHeight);
    void CloseByButton();
    void FocusMoved(QWidget *old, QWidget *now);
    void QueueFocusEntry();
    void EnterFocus();
    void ExitFocus();
    void PicCmb_GotFocus();
    void PictBtn_GotFocus();
    void BringFormToFront();
    void ResetDropButton();

    ModAgrCAl::EngineClient m_engine;
    picker::PickerParts m_parts;
    picker::PickerGeometry m_geometry{};
    date::YearRange m_years = ModAgrCAl::kPublishedYears;
    bool m_dropShowsItsDate = false;
    date::Date m_currDate = 0;
    std::int32_t m_format = 0;
    std::int16_t m_appearance = 0;
    std::int16_t m_borderStyle = 1;
    ui::OleColor m_backColor = ui::kWindowColor;
    ui::OleColor m_foreColor = ui::kButtonTextColor;
    ObjectPtr<StdFont> m_font;
    std::string m_caption = "QxMonthVw";
};

} // namespace corvane
