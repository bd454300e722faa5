#pragma once

#include <QString>

namespace corvdemo
{

// The program's title: message boxes carry it.
QString ProgramTitle();
// The caption of both forms.
QString FormCaption();
// String 101 of the string table: the picker form's comment on the library.
QString LibraryComment();

} // namespace corvdemo
