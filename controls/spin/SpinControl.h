#pragma once

#include "SpinKind.h"
#include "SpinParts.h"
#include "controls/common/ControlBase.h"
#include "controls/common/ControlEvents.h"
#include "engine/EngineLifetime.h"
#include "engine/PublishedRange.h"
#include "platform/date/DateValue.h"
#include "platform/ui/OleColor.h"

#include <cstdint>
#include <memory>
#include <string>

namespace corvane
{

// What the two spin editors, DateUpDown and TimeUpDown, have in common: a text box (TxtDate) showing
// the stored value and two spin buttons. A press of a button - or the Up or Down key in the text box -
// adds or subtracts one unit of the field at the caret, shows the new value, puts the caret back and
// raises Click. The classes differ in their text, their fields and steps (spin::SpinKind), in what an
// assignment of the value does, and in that the time editor raises Change whenever its text changes.
//
// The text always shows the stored value: a new editor stores and shows the present date or time,
// and so does a loaded one whose saved set lacks the value.
class SpinControl : public ui::ControlBase
{
public:
    // Its events are the standard ones of the visual controls (Click .. Change, ids 1..9).
    using enum ui::StandardEvent;

    ~SpinControl() override;

    spin::SpinKind Kind() const noexcept { return m_kind; }
    // The stored value (CurrDate or CurrTime), time of day included.
    date::Date Value() const noexcept { return m_value; }
    // What TxtDate shows, in UTF-8.
    const std::string &Text() const noexcept { return m_text; }

    // cApperance: Flat 0, 3D 1 (anything else is error 380). Reported, then the layout runs again and
    // the control takes the fixed size of the appearance.
    int Appearance() const noexcept { return m_appearance; }
    void SetAppearance(std::int32_t value);

    // The text box's background and text colours. A value that is no colour is error 380 and changes
    // nothing; otherwise the colour is applied and reported.
    ui::OleColor BackColor() const noexcept { return m_backColor; }
    void SetBackColor(ui::OleColor value);
    ui::OleColor ForeColor() const noexcept { return m_foreColor; }
    void SetForeColor(ui::OleColor value);

    // Repaints the control with all its parts.
    void Refresh();

    void InitNew() override;
    // Keys "Appearance", "BackColor", "ForeColor", "Enabled", then the value's key, each with its
    // default; the value is stored and shown as loaded, without the assignment's range rule. Nothing
    // is raised or reported.
    void Load(const PropertyBag &bag) override;
    void Save(PropertyBag &bag) const override;

protected:
    // `changeOnText`: raise Change whenever the text changes.
    SpinControl(const ClassInfo &info,
                const char *surfaceName,
                spin::SpinKind kind,
                bool changeOnText,
                QWidget *surfaceParent);

    void StoreValue(date::Date value) noexcept { m_value = value; }
    // The years a date editor's steps wrap between.
    date::YearRange Years() const noexcept { return m_years; }
    void StoreYears(date::YearRange years) noexcept { m_years = years; }
    // Shows the stored value in TxtDate; when that changes the text and the editor follows its text,
    // raises Change.
    void ShowValue();

private:
    class KeyFilter;

    bool HasParts() const noexcept { return Surface() != nullptr; }
    void ApplyLayout();
    void ApplyColors();
    void SurfacePaletteChanged() override;
    void SetText(std::string text, bool raiseChange);

    // Input: a bar reports a new value; an arrow key asks for a step.
    void ButtonMoved(int button, int value);
    void ArrowKey(int button);
    void Step(int button, int caret);
    int CaretStart() const;
    void PutCaret(int caret);

    ModAgrCAl::EngineClient m_engine;
    spin::SpinKind m_kind;
    bool m_changeOnText;
    spin::SpinParts m_parts;
    date::Date m_value = 0;
    date::YearRange m_years = ModAgrCAl::kPublishedYears;
    std::string m_text;
    int m_appearance = 0;
    ui::OleColor m_backColor;
    ui::OleColor m_foreColor;
};

} // namespace corvane
