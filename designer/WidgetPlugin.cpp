#include "WidgetPlugin.h"

#include "WidgetIcons.h"

namespace corvane::designer
{

WidgetPlugin::WidgetPlugin(WidgetDescription description, QObject *parent)
    : QObject(parent)
    , m_description(std::move(description))
{
}

QIcon WidgetPlugin::icon() const
{
    return SheetIcon(m_description.iconCharacter);
}

QString WidgetPlugin::domXml() const
{
    return QStringLiteral(
               "<ui language=\"c++\" displayname=\"%1\">\n"
               " <widget class=\"%2\" name=\"%3\"/>\n"
               " <customwidgets>\n"
               "  <customwidget>\n"
               "   <class>%2</class>\n"
               "   <extends>QWidget</extends>\n"
               "   <header>%4</header>\n"
               "  </customwidget>\n"
               " </customwidgets>\n"
               "</ui>\n")
        .arg(m_description.className.section(QStringLiteral("::"), -1),
             m_description.className,
             m_description.objectName,
             m_description.header);
}

} // namespace corvane::designer
