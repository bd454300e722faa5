#pragma once

#include <Qt>

#include <memory>

class QFrame;
class QObject;
class QScrollBar;
class QWidget;

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

// Watches the drop button's frame: its keys press the drop button as a click on the arrow does
// (Close only while `dropShown` says the drop-down is open), and its focus shows as a frame around
// the caption that `box` draws (PaintCaptionFocus). Belongs to the frame.
void WatchDropButton(QWidget &pictBtn, QScrollBar &dropButton, QFrame &box, bool (*dropShown)());

} // namespace corvane::picker
