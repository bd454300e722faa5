#pragma once

#include <Qt>

namespace corvane::picker
{

enum class PickerKey {
    None,
    Toggle, // opens a closed drop-down, closes an open one
    Close, // closes an open drop-down without a pick
    Pick, // picks the date the drop-down shows
};

// The keys of the drop button (PictBtn), as a date edit or a combo box has them: F4 and Alt+Down
// open or close the drop-down, Escape closes an open one. Every other key stays the host's.
PickerKey ButtonKeyOf(int key, Qt::KeyboardModifiers modifiers);

// The keys of the open drop-down that its month grid leaves alone (the grid's own keys keep their
// meaning, Alt+Down included): Escape and F4 close it without a pick, Return and Enter pick the
// highlighted date.
PickerKey DropDownKeyOf(int key, Qt::KeyboardModifiers modifiers);

} // namespace corvane::picker
