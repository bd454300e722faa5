#pragma once

#include "platform/ui/ModalRunner.h"

namespace corvane::month
{

// The help box of F1: title "日历帮助", eight lines separated by carriage return and line feed, a
// question-mark icon and an OK button.
ui::MessageBoxRequest MonthHelpBox();

} // namespace corvane::month
