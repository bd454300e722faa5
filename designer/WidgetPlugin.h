#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

namespace corvane::designer
{

// What Designer shows of one widget: its class, header, icon, tool tip, what's-this text, the name a
// new instance gets, and how it is made.
struct WidgetDescription {
    QString className; // "corvane::LunarCalendarWidget"
    QString header; // "corvane/LunarCalendarWidget.h"
    QString iconCharacter;
    QString toolTip;
    QString whatsThis;
    QString objectName; // "lunarCalendar"
    std::function<QWidget *(QWidget *parent)> create;
};

class WidgetPlugin final : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    WidgetPlugin(WidgetDescription description, QObject *parent);

    QString name() const override { return m_description.className; }
    QString group() const override { return QStringLiteral("Corvane"); }
    QString toolTip() const override { return m_description.toolTip; }
    QString whatsThis() const override { return m_description.whatsThis; }
    QString includeFile() const override { return m_description.header; }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *parent) override { return m_description.create(parent); }
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *) override { m_initialized = true; }
    QString domXml() const override;

private:
    WidgetDescription m_description;
    bool m_initialized = false;
};

} // namespace corvane::designer
