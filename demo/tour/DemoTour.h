#pragma once

#include <QString>

namespace corvdemo::tour
{

// Runs Corvdemo without a user: loads the main form, uses every group of it, opens the picker form,
// cycles the caption formats, opens the drop-down and picks a date, steps the spin controls, and
// writes screenshots of both forms and of the open drop-down into folder. Reports each step on
// standard output; returns the process exit status (0 when every step worked).
int RunTour(const QString &folder);

} // namespace corvdemo::tour
