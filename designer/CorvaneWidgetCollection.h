#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace corvane::designer
{

// The plugin Designer and QUiLoader load: Corvane's four widgets.
class CorvaneWidgetCollection final : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit CorvaneWidgetCollection(QObject *parent = nullptr);
    QList<QDesignerCustomWidgetInterface *> customWidgets() const override { return m_widgets; }

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};

} // namespace corvane::designer
