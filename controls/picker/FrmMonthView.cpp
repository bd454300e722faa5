#include "FrmMonthView.h"

#include "ModMonthVw.h"
#include "ModWinLong.h"
#include "PickerKeys.h"
#include "QxMonthVw.h"
#include "controls/common/ControlBase.h"
#include "controls/month/QxMonth.h"
#include "platform/automation/EventSource.h"
#include "platform/ui/Redraw.h"
#include "platform/ui/WindowSystem.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

#include <algorithm>

namespace corvane
{

namespace
{
thread_local FrmMonthView *t_form = nullptr;
}

FrmMonthView *FrmMonthView::Loaded()
{
    return t_form;
}

FrmMonthView &FrmMonthView::Load()
{
    if (!t_form) {
        t_form = new FrmMonthView();
        month::SetMonthDropHost(t_form);
        t_form->Form_Load();
    }
    t_form->m_monthDrop->SetYearRange(ModMonthVw::State().DropYears);
    return *t_form;
}

void FrmMonthView::LoadAtFirstUse()
{
    ModMonthVw::DropState &state = ModMonthVw::State();
    if (!t_form && state.DropLoadDate == 0)
        state.DropLoadDate = state.DropInDate;
}

void FrmMonthView::Unload()
{
    ModMonthVw::State().DropLoadDate = 0;
    FrmMonthView *form = std::exchange(t_form, nullptr);
    if (!form)
        return;
    month::SetMonthDropHost(nullptr);
    ModMonthVw::DropState &state = ModMonthVw::State();
    if (state.DropShown) {
        // The drop-down goes with its form; its picker's window must not stay locked.
        state.DropShown = false;
        ui::LockWindowUpdate(nullptr);
    }
    if (ui::ControlBase::HandlingInput()) {
        form->hide();
        form->deleteLater();
    } else {
        delete form;
    }
}

FrmMonthView::FrmMonthView()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , m_scale(ui::ScreenTwipsScale())
    , m_monthDrop(MakeObject<QxMonth>())
{
    setObjectName(QStringLiteral("FrmMonthView"));
    QWidget *surface = m_monthDrop->Surface();
    surface->setParent(this);
    surface->setObjectName(QStringLiteral("MonthDrop"));
    surface->show();
    m_monthDrop->InitNew();
    m_monthDrop->Advise(MakeEventSink([this](DispId id, std::span<Variant>) {
        if (id == QxMonth::kChange)
            MonthDrop_Change();
    }));
}

FrmMonthView::~FrmMonthView()
{
    // MonthDrop may be in the middle of its own input (a pick that ends in an unload): its widgets
    // must not go with the form's, the control removes them once its handler has returned.
    if (QWidget *surface = m_monthDrop->Surface()) {
        surface->hide();
        surface->setParent(nullptr);
    }
    m_monthDrop = nullptr;
}

ui::Hwnd FrmMonthView::Handle()
{
    return ui::HandleOf(this);
}

// The load step: MonthDrop shows DropInDate (or the date a picker's initialization left for the load)
// at the form's top-left corner and the form takes its size.
void FrmMonthView::Form_Load()
{
    ModMonthVw::DropState &state = ModMonthVw::State();
    const date::Date shown = state.DropLoadDate != 0 ? state.DropLoadDate : state.DropInDate;
    state.DropLoadDate = 0;
    m_loading = true;
    try {
        m_monthDrop->SetYearRange(state.DropYears);
        m_monthDrop->SetCurrDate(shown);
    } catch (...) {
        m_loading = false;
        throw;
    }
    m_loading = false;
    SetMonthDropTop(0);
    m_height = MonthDropHeight();
    m_width = MonthDropWidth();
    ApplyGeometry();
}

// A pick. The Change that the load step's assignment raises is no pick: taken as one, it would hand
// the picker a date nobody chose.
void FrmMonthView::MonthDrop_Change()
{
    if (m_loading)
        return;
    ModMonthVw::DropState &state = ModMonthVw::State();
    state.DropOutDate = m_monthDrop->CurrDate();
    state.DropDatePicked = true;
    ModMonthVw::HideDropForm(*this);
    HideForm();
    // Once the events waiting now have run, a pick that no picker's focus entry took goes to a picker
    // all the same: where the window system never activated the drop-down, no focus comes back.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [opener = m_opener] { QxMonthVw::TakeWaitingPick(opener); },
        Qt::QueuedConnection);
}

// Keys the month grid left alone: Escape and F4 close without a pick, Return and Enter pick the date
// the grid shows, as a click on it would.
void FrmMonthView::keyPressEvent(QKeyEvent *event)
{
    switch (picker::DropDownKeyOf(event->key(), event->modifiers())) {
    case picker::PickerKey::Close:
        CancelDropDown();
        break;
    case picker::PickerKey::Pick:
        MonthDrop_Change();
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

// Closed without a pick: the focus goes back to the picker that opened the drop-down.
void FrmMonthView::CancelDropDown()
{
    if (!ModMonthVw::State().DropShown)
        return;
    const QPointer<QWidget> opener = m_opener;
    CloseDropDown();
    if (opener)
        opener->setFocus(Qt::OtherFocusReason);
}

void FrmMonthView::SetOpener(QWidget *picker)
{
    QObject::disconnect(m_openerGone);
    m_opener = picker;
    m_returnWindow = picker->window();
    // Its window destroyed by the host while the drop-down is open: nobody else would close it. The
    // check waits until the window is gone for good.
    m_openerGone = connect(picker, &QObject::destroyed, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] { OpenerGone(); },
            Qt::QueuedConnection);
    });
}

void FrmMonthView::OpenerGone()
{
    ModMonthVw::DropState &state = ModMonthVw::State();
    if (m_opener || !state.DropShown || t_form != this)
        return;
    if (isVisible())
        ModWinLong::SetDropWinStyle(Handle(), true);
    hide();
    ui::LockWindowUpdate(nullptr);
    state.DropShown = false;
}

int FrmMonthView::MonthDropWidth() const
{
    return m_monthDrop->ExtentTwips().width();
}

int FrmMonthView::MonthDropHeight() const
{
    return m_monthDrop->ExtentTwips().height();
}

void FrmMonthView::SetLeftTwips(int value)
{
    m_left = value;
    ApplyGeometry();
}

void FrmMonthView::SetTopTwips(int value)
{
    m_top = value;
    ApplyGeometry();
}

void FrmMonthView::SetWidthTwips(int value)
{
    m_width = value;
    ApplyGeometry();
}

void FrmMonthView::SetHeightTwips(int value)
{
    m_height = value;
    ApplyGeometry();
}

void FrmMonthView::SetMonthDropTop(int value)
{
    m_monthDropTop = value;
    if (QWidget *surface = m_monthDrop->Surface())
        surface->move(0, m_scale.EdgeY(value));
}

void FrmMonthView::ApplyGeometry()
{
    const int left = m_scale.EdgeX(m_left);
    const int top = m_scale.EdgeY(m_top);
    // A window cannot be empty: a zero height shows one line of pixels.
    const int width = std::max(1, m_scale.EdgeX(m_left + m_width) - left);
    const int height = std::max(1, m_scale.EdgeY(m_top + m_height) - top);
    setGeometry(left, top, width, height);
}

void FrmMonthView::ShowModeless()
{
    if (QWidget *surface = m_monthDrop->Surface())
        surface->setFocus(Qt::OtherFocusReason);
    show();
    // Every step of the opening is drawn as it is taken, the first included.
    ui::WaitUntilExposed(*this);
}

void FrmMonthView::BringToFront()
{
    ui::BringWindowToFront(*this);
}

void FrmMonthView::HideForm()
{
    const QWidget *active = QApplication::activeWindow();
    hide();
    if (m_returnWindow && (active == this || !active))
        ui::BringWindowToFront(*m_returnWindow);
}

// An activation that arrives after the form was hidden (the platform delivers it late) goes back to
// the window the form opened from; a hidden active window would take the keyboard with it.
bool FrmMonthView::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && !isVisible() && m_returnWindow)
        ui::BringWindowToFront(*m_returnWindow);
    return handled;
}

void FrmMonthView::RepaintNow()
{
    ui::RepaintTree(*this);
}

bool FrmMonthView::DropShown() const
{
    return ModMonthVw::State().DropShown;
}

// The month grid lost the focus to the outside while the drop-down is open.
void FrmMonthView::CloseDropDown()
{
    ModMonthVw::HideDropForm(*this);
    HideForm();
    ui::LockWindowUpdate(nullptr);
    ModMonthVw::State().DropShown = false;
}

} // namespace corvane
