#include "SpinControl.h"

#include "SpinButtons.h"
#include "SpinFields.h"
#include "SpinLayout.h"
#include "SpinProperties.h"
#include "SpinSteps.h"
#include "SpinTextBox.h"
#include "SpinValue.h"
#include "api/QxEnums.h"
#include "platform/automation/AutomationError.h"
#include "platform/date/DateFormat.h"
#include "platform/ui/Redraw.h"
#include "platform/ui/Text.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace corvane
{

namespace
{

constexpr ui::SurfaceEvents kSurfaceEvents{
    ui::kNoEvent, // Click is raised by the spin steps only
    SpinControl::kDblClick,
    SpinControl::kKeyPress,
    SpinControl::kKeyUp,
    SpinControl::kMouseDown,
    SpinControl::kMouseMove,
    SpinControl::kMouseUp,
};

// The Up and Down keys without Ctrl, Alt or Shift, on the main keys or the keypad.
int ButtonOfKey(const QKeyEvent &event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return -1;
    if (event.key() == Qt::Key_Up)
        return spin::kUpButton;
    if (event.key() == Qt::Key_Down)
        return spin::kDownButton;
    return -1;
}

} // namespace

// Takes the Up and Down keys of the text box, which step the field at the caret. It belongs to the
// control's connections and goes with them.
class SpinControl::KeyFilter final : public QObject
{
public:
    KeyFilter(SpinControl &control, QObject *parent)
        : QObject(parent)
        , m_control(control)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Filters see events before the widget refuses them for being disabled.
        if (event->type() != QEvent::KeyPress || !static_cast<QWidget *>(watched)->isEnabled())
            return false;
        const int button = ButtonOfKey(*static_cast<QKeyEvent *>(event));
        if (button < 0)
            return false;
        m_control.ArrowKey(button);
        return true;
    }

private:
    SpinControl &m_control;
};

// Creation: the engine tables (m_engine), the parts, the colours and the layout, and the present
// date or time, stored and shown.
SpinControl::SpinControl(const ClassInfo &info,
                         const char *surfaceName,
                         spin::SpinKind kind,
                         bool changeOnText,
                         QWidget *surfaceParent)
    : ControlBase(info, surfaceName, kSurfaceEvents, surfaceParent)
    , m_kind(kind)
    , m_changeOnText(changeOnText)
    , m_parts(spin::BuildSpinParts(*Surface(), kind))
    , m_value(spin::PresentValue(kind))
    , m_backColor(spin::kBackColor.initial)
    , m_foreColor(spin::kForeColor.initial)
{
    ApplyColors();
    ApplyLayout();
    SetText(date::Format(m_value, spin::TextPattern(m_kind)), false);
    SetFocusTarget(m_parts.TxtDate);

    for (const int button : {spin::kDownButton, spin::kUpButton})
        QObject::connect(m_parts.bars[std::size_t(button)],
                         &QScrollBar::valueChanged,
                         Connections(),
                         [this, button](int value) { ButtonMoved(button, value); });
    m_parts.TxtDate->installEventFilter(new KeyFilter(*this, Connections()));
    // The text box lets no edit through; should one ever get past it, the value's text comes back.
    QObject::connect(m_parts.TxtDate, &QLineEdit::textEdited, Connections(), [this] {
        if (HasParts())
            m_parts.TxtDate->setText(ui::ToQString(m_text));
    });
}

SpinControl::~SpinControl()
{
    Detach();
}

// ---- properties --------------------------------------------------------------------------------

void SpinControl::SetAppearance(std::int32_t value)
{
    if (value != Flat && value != ThreeD)
        ThrowInvalidPropertyValue(spin::kAppearance.name);
    m_appearance = value;
    PropertyChanged(spin::kAppearance.name);
    ApplyLayout();
}

void SpinControl::SetBackColor(ui::OleColor value)
{
    ui::CheckOleColor(value);
    m_backColor = value;
    ApplyColors();
    PropertyChanged(spin::kBackColor.name);
}

void SpinControl::SetForeColor(ui::OleColor value)
{
    ui::CheckOleColor(value);
    m_foreColor = value;
    ApplyColors();
    PropertyChanged(spin::kForeColor.name);
}

void SpinControl::Refresh()
{
    if (QWidget *surface = Surface())
        ui::RepaintTree(*surface);
}

// ---- life cycle --------------------------------------------------------------------------------

void SpinControl::InitNew()
{
    ApplyLayout();
}

void SpinControl::Load(const PropertyBag &bag)
{
    const auto [appearance, backColor, foreColor, enabled] = spin::Saved::Read(bag);
    const std::optional<date::Date> value =
        m_kind == spin::SpinKind::Date ? ReadProperty<spin::kCurrDate>(bag) : ReadProperty<spin::kCurrTime>(bag);
    m_appearance = appearance;
    m_backColor = backColor;
    m_foreColor = foreColor;
    ApplyColors();
    ApplyEnabled(enabled);
    m_value = value ? *value : spin::PresentValue(m_kind);
    SetText(date::Format(m_value, spin::TextPattern(m_kind)), false);
    ApplyLayout();
}

void SpinControl::Save(PropertyBag &bag) const
{
    spin::Saved::Write(*this, bag);
    if (m_kind == spin::SpinKind::Date)
        WriteProperty<spin::kCurrDate>(*this, bag);
    else
        WriteProperty<spin::kCurrTime>(*this, bag);
}

// ---- parts -------------------------------------------------------------------------------------

// The control takes the size of its background panel, which the appearance fixes; any other size a
// host asks for is refused.
void SpinControl::ApplyLayout()
{
    const spin::SpinGeometry geometry = spin::LayoutSpin(m_kind, m_appearance);
    if (HasParts())
        spin::ApplySpinLayout(m_parts, geometry, Scale());
    SetFixedExtent(geometry.width, geometry.height);
}

void SpinControl::ApplyColors()
{
    if (HasParts())
        spin::ApplySpinColors(m_parts, m_backColor, m_foreColor, Surface()->palette());
}

void SpinControl::SurfacePaletteChanged()
{
    ApplyColors();
}

void SpinControl::ShowValue()
{
    SetText(date::Format(m_value, spin::TextPattern(m_kind)), true);
}

void SpinControl::SetText(std::string text, bool raiseChange)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    if (HasParts())
        m_parts.TxtDate->setText(ui::ToQString(m_text));
    if (raiseChange && m_changeOnText)
        Raise(kChange);
}

// ---- input -------------------------------------------------------------------------------------

int SpinControl::CaretStart() const
{
    if (!HasParts())
        return 0;
    const spin::SpinTextBox &text = *m_parts.TxtDate;
    return text.hasSelectedText() ? text.selectionStart() : text.cursorPosition();
}

void SpinControl::PutCaret(int caret)
{
    if (HasParts())
        m_parts.TxtDate->setCursorPosition(caret);
}

// A bar that moved off its rest value was pressed; one that moved back to it is the echo of the
// control putting it back, and only the caret is put back.
void SpinControl::ButtonMoved(int button, int value)
{
    const InputScope scope(*this);
    const int caret = CaretStart();
    if (value == spin::RestValue(button)) {
        PutCaret(caret);
        return;
    }
    Step(button, caret);
}

void SpinControl::ArrowKey(int button)
{
    const InputScope scope(*this);
    Step(button, CaretStart());
}

void SpinControl::Step(int button, int caret)
{
    const spin::FieldChoice field = spin::FieldAt(m_kind, caret);
    const std::optional<date::Date> next = spin::StepValue(m_kind, m_value, field.unit, spin::StepOf(button), m_years);
    if (next) {
        m_value = *next;
        ShowValue();
    }
    if (HasParts())
        m_parts.bars[std::size_t(button)]->setValue(spin::RestValue(button));
    PutCaret(field.caret);
    if (next)
        Raise(kClick);
}

} // namespace corvane
