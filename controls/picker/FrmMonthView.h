#pragma once

#include "controls/month/MonthDropSeam.h"
#include "platform/automation/ObjectPtr.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowHandles.h"

#include <QPointer>
#include <QWidget>

namespace corvane
{

class QxMonth;

// The drop-down form: a frameless top-level window whose only content is the month calendar
// MonthDrop at (0, 0). One per thread, shared by every picker of the thread: loaded when a picker
// first opens its drop-down (a picker that is never opened costs no month view), unloaded when any
// picker goes, loaded again by the next opening.
//
// Every Change of MonthDrop - whatever moved its date - is a pick: the date goes to DropOutDate, the
// form shrinks and hides and the focus returns to the window the drop-down opened from, where the
// picker's focus entry takes the date. Where the window system never activated the drop-down the
// focus does not come back; the pick then goes to the picker holding the focus, or to the one that
// opened the drop-down. The form also serves the month control's focus-loss rule
// (month::MonthDropHost): while it is loaded, a grid that loses the focus to the outside closes it.
class FrmMonthView final : public QWidget, public month::MonthDropHost
{
public:
    // The form of this thread, or nullptr.
    static FrmMonthView *Loaded();
    // Loads the form when it is not loaded (running its load step) and returns it; either way its
    // month view offers the years of the drop-down state (DropYears).
    static FrmMonthView &Load();
    // A picker's initialization: the form is not loaded now but at its first use, showing the date
    // it would have shown had it loaded now (DropInDate, unless an earlier initialization set one).
    static void LoadAtFirstUse();
    // Unloads the form; an open drop-down goes with it (DropShown false, the update lock released).
    // From inside a control's input handler - which may still use the form, and in which the window
    // system may still hold its window - the form is hidden now and deleted once the handler is done.
    static void Unload();

    ~FrmMonthView() override;

    QxMonth &MonthDrop() const noexcept { return *m_monthDrop; }
    ui::Hwnd Handle();

    // Geometry in twips: the form in screen coordinates, MonthDrop inside the form.
    int LeftTwips() const noexcept { return m_left; }
    int TopTwips() const noexcept { return m_top; }
    int HeightTwips() const noexcept { return m_height; }
    void SetLeftTwips(int value);
    void SetTopTwips(int value);
    void SetWidthTwips(int value);
    void SetHeightTwips(int value);
    int MonthDropTop() const noexcept { return m_monthDropTop; }
    void SetMonthDropTop(int value);
    // MonthDrop's size.
    int MonthDropWidth() const;
    int MonthDropHeight() const;

    // Shows the form without a modal loop, MonthDrop's grid holding the form's focus.
    void ShowModeless();
    // Brings the form to the front and makes it the active window.
    void BringToFront();
    // Hides the form; when it was the active window, the window it opened from becomes active again,
    // as the window system does for a closed pop-up.
    void HideForm();
    // Draws the form and MonthDrop now.
    void RepaintNow();
    // The picker the drop-down opens for (its window): a pick nobody took goes to it, the focus goes
    // back to its window when a pick hides the form, and its window going closes the drop-down.
    void SetOpener(QWidget *picker);
    QWidget *Opener() const { return m_opener; }

    // month::MonthDropHost
    bool DropShown() const override;
    void CloseDropDown() override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    FrmMonthView();
    void Form_Load();
    void MonthDrop_Change();
    void CancelDropDown();
    void ApplyGeometry();
    void OpenerGone();

    ui::TwipsScale m_scale;
    ObjectPtr<QxMonth> m_monthDrop;
    QPointer<QWidget> m_opener;
    QPointer<QWidget> m_returnWindow;
    QMetaObject::Connection m_openerGone;
    bool m_loading = false;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    int m_monthDropTop = 0;
};

} // namespace corvane
