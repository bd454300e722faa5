#pragma once

#include "platform/automation/MemberInfo.h"

class QWidget;

namespace corvane
{

class frmAbout;

// Shows the thread's About box modally over the window of `owner` (may be null) through the modal
// runner, creating the box on first use, and returns when it is closed. The box object is kept for
// the next call (which runs its load steps again) until the application ends.
void ShowAbout(QWidget *owner);

// The thread's About box, or nullptr before the first ShowAbout.
frmAbout *AboutForm();

// The About method (dispatch id -552) for the member table of a visual control (a ui::ControlBase):
// shows the box over the control.
MemberInfo AboutMember();

} // namespace corvane
