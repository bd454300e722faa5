#include "SavedProperties.h"

#include <QCoreApplication>
#include <QDir>

namespace corvdemo
{

std::string SavedProperties(const char *formAndControl)
{
    const QDir forms(QCoreApplication::applicationDirPath() + QStringLiteral("/forms"));
    return forms.filePath(QString::fromUtf8(formAndControl) + QStringLiteral(".bag")).toStdString();
}

} // namespace corvdemo
