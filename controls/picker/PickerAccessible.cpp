#include "PickerAccessible.h"

#include "PickerPartWidgets.h"

#include <QAccessibleWidget>

namespace corvane::picker
{

namespace
{

QString CaptionOf(const QWidget *part)
{
    for (const QWidget *w = part; w; w = w->parentWidget())
        if (const auto *box = dynamic_cast<const PickerBox *>(w))
            return box->Caption().Text();
    return {};
}

// The box, a combo box whose name and value are its caption (the caption has no window to be read
// apart).
class BoxAccessible final : public QAccessibleWidget
{
public:
    explicit BoxAccessible(QWidget *box)
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
    explicit DropButtonAccessible(QWidget *button)
        : QAccessibleWidget(button, QAccessible::Button)
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
        if (action == QAccessibleActionInterface::pressAction())
            static_cast<DropButton *>(widget())->Press();
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

// The parts are told by their classes, so a part is never seen with the wrong interface and needs
// no mark.
QAccessibleInterface *PickerFactory(const QString &, QObject *object)
{
    if (auto *box = dynamic_cast<PickerBox *>(object))
        return new BoxAccessible(box);
    if (auto *button = dynamic_cast<DropButton *>(object))
        return new DropButtonAccessible(button);
    return nullptr;
}

} // namespace

void MakePartsAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(PickerFactory);
        return true;
    }();
    (void)installed;
}

} // namespace corvane::picker
