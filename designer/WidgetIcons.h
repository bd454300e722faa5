#pragma once

#include <QIcon>

class QString;

namespace corvane::designer
{

// A widget box icon: a small calendar sheet with one character on it.
QIcon SheetIcon(const QString &character);

} // namespace corvane::designer
