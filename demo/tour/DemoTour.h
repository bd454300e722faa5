#pragma once

#include <QString>

#include <functional>
#include <string>

namespace corvdemo::tour
{

// Runs Corvdemo without a user, on a pinned moment (19 July 2002, 10:30): loads the main form, uses
// every group of it, opens the picker form, cycles the caption formats, opens the drop-down and picks
// a date, steps the spin controls, and writes screenshots of both forms and of the open drop-down into
// `folder`. Every step checks what it did against what the forms and controls should show then - a
// failing call, a missing part or a wrong value fails the step. Reports each step on standard output
// and a failed one, by name and with what differed, on standard error; returns the process exit
// status: 0 when every step passed.
//
// `beforeStep`, when given, runs before each step with its name (tests use it to break a step).
int RunTour(const QString &folder, const std::function<void(const std::string &step)> &beforeStep = {});

} // namespace corvdemo::tour
