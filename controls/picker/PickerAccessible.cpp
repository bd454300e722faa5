#include "PickerAccessible.h"

#include "PickerParts.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>

namespace corvane::picker
{

namespace
{

constexpr const char *kPartProperty = "corvanePickerPart";
enum Part {
    kBox = 1,
    kButton = 2
};

QString CaptionOf(const QWidget *part)
{
    for (const QWidget *w = part; w; w = w->parentWidget())
        if (w->property(kPartProperty).toInt() == kBox)
            if (const auto *caption = w->findChild<QLabel *>(QStringLiteral("LabCmb")))
                return caption->text();
    return {};
}

class PickerBoxAccessible final : public QAccessibleWidget
{
public:
    explicit PickerBoxAccessible(QWidget *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Value)
            return CaptionOf(widget());
        return QAccessibleWidget::text(t);
    }
};

class DropButtonAccessible final : public QAccessibleWidget
{
public:
    explicit DropButtonAccessible(QWidget *frame)
        : QAccessibleWidget(frame, QAccessible::Button)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("打开日历");
        if (t == QAccessible::Description)
            return CaptionOf(widget());
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QStringList actionNames() const override
    {
        return {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::setFocusAction()};
    }
    void doAction(const QString &action) override
    {
        auto *arrow = widget()->findChild<QScrollBar *>(QStringLiteral("VScBtn"));
        if (action == QAccessibleActionInterface::pressAction() && arrow && arrow->isEnabled())
            arrow->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else
            QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == QAccessibleActionInterface::pressAction())
            return {QStringLiteral("Alt+Down"), QStringLiteral("F4")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

QAccessibleInterface *PickerFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    switch (widget->property(kPartProperty).toInt()) {
    case kBox:
        return new PickerBoxAccessible(widget);
    case kButton:
        return new DropButtonAccessible(widget);
    default:
        return nullptr;
    }
}

void Mark(QWidget &part, Part kind)
{
    part.setProperty(kPartProperty, int(kind));
    // An interface made before the mark (a construction that reported something) would stay.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&part))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace

void MakePartsAccessible(PickerParts &parts)
{
    static const bool installed = [] {
        QAccessible::installFactory(PickerFactory);
        return true;
    }();
    (void)installed;
    Mark(*parts.PicCmb, kBox);
    Mark(*parts.PictBtn, kButton);
}

} // namespace corvane::picker
