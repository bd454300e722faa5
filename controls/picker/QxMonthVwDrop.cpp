// The picker's drop-down: the drop button, opening and closing, and the focus steps that finish a
// closing and take a picked date.
#include "FrmMonthView.h"
#include "ModMonthVw.h"
#include "ModWinLong.h"
#include "QxMonthVw.h"
#include "controls/common/ControlSurface.h"
#include "controls/month/QxMonth.h"
#include "engine/DateCaption.h"
#include "platform/ui/Redraw.h"
#include "platform/ui/WindowSystem.h"

#include <QApplication>
#include <QFrame>
#include <QPointer>
#include <QScopeGuard>
#include <QScrollBar>

#include <cmath>

namespace corvane
{

namespace
{

constexpr int kButtonMax = 32767;

// An opening is under way on this thread. Its pumps let waiting input run, a second press of a drop
// button among it; that press must not start a second opening inside the first.
thread_local bool t_opening = false;

class OpeningScope
{
public:
    OpeningScope() { t_opening = true; }
    ~OpeningScope() { t_opening = false; }
    OpeningScope(const OpeningScope &) = delete;
    OpeningScope &operator=(const OpeningScope &) = delete;
};

int RoundToInt(double value)
{
    return int(std::nearbyint(value)); // to nearest, ties to even
}

bool Inside(const QWidget *surface, const QWidget *widget)
{
    return widget && (widget == surface || surface->isAncestorOf(widget));
}

// The picker whose window holds `widget`, or nullptr.
QxMonthVw *PickerOf(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget())
        if (const auto *surface = dynamic_cast<ui::ControlSurface *>(w))
            return dynamic_cast<QxMonthVw *>(surface->Owner());
    return nullptr;
}

} // namespace

// Every click on the drop button's arrow raises the bar's value by one; each change opens a closed
// drop-down and closes an open one.
void QxMonthVw::VScBtn_Change(int value)
{
    if (value == 0 || !HasParts())
        return;
    const InputScope scope(*this);
    if (value == kButtonMax)
        m_parts.PictBtn->setValue(0);
    if (t_opening)
        return;

    // The picker's edges on the screen, in twips.
    const ui::TwipsScale &scale = Scale();
    const QPoint onScreen = Surface()->mapToGlobal(QPoint(0, 0));
    ModMonthVw::DropState &state = ModMonthVw::State();
    state.DropLeft = RoundToInt(onScreen.x() * scale.PerPixelX());
    state.DropTop = RoundToInt(onScreen.y() * scale.PerPixelY());

    // The room below is counted from the top of the screen: the work area's top is not added.
    const std::optional<QRect> area = ui::WorkArea();
    const int limit = area ? RoundToInt(area->height() * scale.PerPixelY()) : 0;

    if (state.DropShown)
        CloseByButton();
    else
        OpenDropDown(limit);
}

// The opening lets waiting events run three times (before the focus move, after locking the window
// and while the form is being shown), and what runs may destroy this picker's window or unload the
// shared form: after each the opening checks, and every way out of it gives the window its updates
// back unless the drop-down stands open.
void QxMonthVw::OpenDropDown(int workAreaHeight)
{
    const OpeningScope opening;
    ModMonthVw::DropState &state = ModMonthVw::State();
    BringFormToFront();
    ui::DoEvents();
    if (!HasParts())
        return;
    m_parts.PictBtn->setFocus(Qt::OtherFocusReason);
    state.DropInDate = m_currDate;
    state.DropYears = m_years;

    const QPointer<FrmMonthView> form = &FrmMonthView::Load();
    if (m_dropShowsItsDate)
        form->MonthDrop().SelectDate(date::ClampToYears(m_currDate, m_years));
    const int height = ExtentTwips().height();
    const int monthHeight = form->MonthDropHeight();
    state.DropUpward = monthHeight > (workAreaHeight - state.DropTop) - height;
    if (!state.DropUpward)
        state.DropTop += height;
    form->SetHeightTwips(monthHeight);
    form->SetWidthTwips(form->MonthDropWidth());
    form->SetLeftTwips(state.DropLeft);
    form->SetTopTwips(state.DropTop);

    ui::LockWindowUpdate(Surface()->window());
    bool opened = false;
    const auto unlock = qScopeGuard([&opened] {
        if (!opened)
            ui::LockWindowUpdate(nullptr);
    });
    ui::DoEvents();
    const auto formLoaded = [&form] { return form && FrmMonthView::Loaded() == form; };
    if (!HasParts() || !formLoaded())
        return;
    form->SetOpener(Surface());
    if (!ModMonthVw::ShowDropForm(*form, state.DropUpward))
        return;
    if (!HasParts()) {
        form->HideForm();
        return;
    }
    ResetDropButton();
    state.DropShown = true;
    opened = true;
}

void QxMonthVw::CloseByButton()
{
    if (FrmMonthView *form = FrmMonthView::Loaded()) {
        ModMonthVw::HideDropForm(*form);
        form->HideForm();
    }
    ui::LockWindowUpdate(nullptr);
    ResetDropButton();
    ModMonthVw::State().DropShown = false;
    m_parts.PictBtn->setFocus(Qt::OtherFocusReason);
}

// The press that opened or closed the drop-down ends here, so a held button does not go on stepping.
void QxMonthVw::ResetDropButton()
{
    m_parts.PictBtn->EndPress();
}

// The focus entered the control (from another part of its window, or with the window's activation),
// or left it for another part of the same window. A move to another window is neither: the drop-down
// taking the focus leaves the picker's steps alone.
void QxMonthVw::FocusMoved(QWidget *old, QWidget *now)
{
    QWidget *surface = Surface();
    if (!surface || !Enabled())
        return;
    const bool wasInside = Inside(surface, old);
    const bool isInside = Inside(surface, now);
    if (wasInside == isInside && !isInside)
        return;
    const InputScope scope(*this);
    if (isInside && !wasInside)
        QueueFocusEntry();
    else if (wasInside && !isInside && now && now->window() == old->window())
        ExitFocus();
    if (!HasParts() || !isInside || QApplication::focusWidget() != now)
        return;
    if (now == m_parts.PicCmb)
        PicCmb_GotFocus();
    else if (now == m_parts.PictBtn)
        PictBtn_GotFocus();
}

// The entry step runs once the focus change is over: its Change may release this picker or another,
// or delete the host's form, none of which the window system's focus handling survives. A move that
// took the focus away again meanwhile cancels it.
void QxMonthVw::QueueFocusEntry()
{
    QMetaObject::invokeMethod(
        Connections(),
        [this] {
            QWidget *surface = Surface();
            if (!surface || !Enabled() || !Inside(surface, QApplication::focusWidget()))
                return;
            const InputScope scope(*this);
            EnterFocus();
        },
        Qt::QueuedConnection);
}

void QxMonthVw::TakeWaitingPick(QWidget *opener)
{
    ModMonthVw::DropState &state = ModMonthVw::State();
    if (!state.DropDatePicked)
        return;
    QxMonthVw *taker = PickerOf(QApplication::focusWidget());
    if (!taker || !taker->Enabled())
        taker = PickerOf(opener);
    if (taker && taker->Enabled()) {
        const InputScope scope(*taker);
        taker->EnterFocus();
        return;
    }
    if (state.DropShown) {
        state.DropShown = false;
        ui::LockWindowUpdate(nullptr);
    }
}

// Finishes a closing and takes a picked date.
void QxMonthVw::EnterFocus()
{
    ModMonthVw::DropState &state = ModMonthVw::State();
    if (state.DropShown) {
        state.DropShown = false;
        if (FrmMonthView *form = FrmMonthView::Loaded()) {
            ModMonthVw::HideDropForm(*form);
            form->HideForm();
        }
        ui::LockWindowUpdate(nullptr);
        if (HasParts())
            m_parts.PictBtn->setFocus(Qt::OtherFocusReason);
    }
    if (!HasParts())
        return;
    m_parts.PictBtn->setFocus(Qt::OtherFocusReason);
    if (state.DropDatePicked) {
        state.DropDatePicked = false;
        // The date is taken without the property's side effects: nothing is reported to the host.
        ShowCaption(CaptionOf(state.DropOutDate, m_format));
        m_currDate = state.DropOutDate;
        Raise(kChange);
    }
    BringFormToFront();
}

// The focus went to another part of the window: an open drop-down goes at once, without animation.
void QxMonthVw::ExitFocus()
{
    ModMonthVw::DropState &state = ModMonthVw::State();
    if (!state.DropShown)
        return;
    if (FrmMonthView *form = FrmMonthView::Loaded()) {
        if (form->isVisible())
            ModWinLong::SetDropWinStyle(form->Handle(), true);
        form->HideForm();
    }
    ui::LockWindowUpdate(nullptr);
    state.DropShown = false;
}

void QxMonthVw::PicCmb_GotFocus()
{
    if (ModMonthVw::State().DropShown) {
        CloseByButton();
        BringFormToFront();
        return;
    }
    m_parts.PictBtn->setFocus(Qt::OtherFocusReason);
    BringFormToFront();
}

void QxMonthVw::PictBtn_GotFocus()
{
    BringFormToFront();
}

void QxMonthVw::BringFormToFront()
{
    if (QWidget *surface = Surface())
        ui::BringWindowToFront(*surface);
}

} // namespace corvane
