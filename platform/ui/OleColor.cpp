#include "OleColor.h"

#include "platform/automation/AutomationError.h"

#include <QWidget>
#include <array>

namespace corvane::ui
{

namespace
{

using G = QPalette::ColorGroup;
using R = QPalette::ColorRole;

// clang-format off
// System colour index -> palette slot (see the table in OleColor.h).
constexpr std::array<PaletteSlot, kLastSystemColorIndex + 1> kSystemSlots = {{
    {G::Active, R::Button},          {G::Active, R::Dark},            {G::Active, R::Highlight},
    {G::Inactive, R::Highlight},     {G::Active, R::Window},          {G::Active, R::Base},
    {G::Active, R::Shadow},          {G::Active, R::WindowText},      {G::Active, R::Text},
    {G::Active, R::HighlightedText}, {G::Active, R::Window},          {G::Inactive, R::Window},
    {G::Active, R::Dark},            {G::Active, R::Highlight},       {G::Active, R::HighlightedText},
    {G::Active, R::Button},          {G::Active, R::Dark},            {G::Disabled, R::Text},
    {G::Active, R::ButtonText},      {G::Inactive, R::HighlightedText}, {G::Active, R::Light},
    {G::Active, R::Shadow},          {G::Active, R::Midlight},        {G::Active, R::ToolTipText},
    {G::Active, R::ToolTipBase},     {G::Active, R::Window},          {G::Active, R::Link},
    {G::Active, R::Highlight},       {G::Inactive, R::Highlight},     {G::Active, R::Highlight},
    {G::Active, R::Window},
}};
// clang-format on

} // namespace

void CheckOleColor(OleColor value)
{
    if (!IsValidOleColor(value))
        ThrowInvalidPropertyValue("not a colour");
}

PaletteSlot SystemColorSlot(int index)
{
    if (index < 0 || index > kLastSystemColorIndex)
        ThrowInvalidPropertyValue("no such system colour");
    return kSystemSlots[std::size_t(index)];
}

QColor ResolveOleColor(OleColor value, const QPalette &palette)
{
    CheckOleColor(value);
    if (IsSystemColor(value)) {
        const PaletteSlot slot = SystemColorSlot(int(value & 0xFFu));
        return palette.color(slot.group, slot.role);
    }
    return QColor(int(value & 0xFFu), int(value >> 8 & 0xFFu), int(value >> 16 & 0xFFu));
}

void SetPaletteColor(QWidget &widget, QPalette::ColorRole role, const QColor &color)
{
    if (widget.palette().color(role) == color)
        return;
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}

} // namespace corvane::ui
