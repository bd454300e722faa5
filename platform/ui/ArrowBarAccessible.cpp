#include "ArrowBar.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <array>

namespace corvane::ui
{

namespace
{

constexpr const char *kSubLineName = "corvaneSubLineName";
constexpr const char *kAddLineName = "corvaneAddLineName";

enum class Arrow {
    Sub,
    Add
};

QString ArrowName(const QScrollBar &bar, Arrow arrow)
{
    return bar.property(arrow == Arrow::Sub ? kSubLineName : kAddLineName).toString();
}

bool ArrowAvailable(const QScrollBar &bar, Arrow arrow)
{
    if (!bar.isEnabled())
        return false;
    return arrow == Arrow::Sub ? bar.value() > bar.minimum() : bar.value() < bar.maximum();
}

void PressArrow(QScrollBar &bar, Arrow arrow)
{
    if (ArrowAvailable(bar, arrow))
        bar.triggerAction(arrow == Arrow::Sub ? QAbstractSlider::SliderSingleStepSub
                                              : QAbstractSlider::SliderSingleStepAdd);
}

const QStringList &PressOnly()
{
    static const QStringList actions{QAccessibleActionInterface::pressAction()};
    return actions;
}

// A bar with one named arrow: the bar is that button.
class ArrowButtonAccessible final : public QAccessibleWidget
{
public:
    ArrowButtonAccessible(QScrollBar *bar, Arrow arrow)
        : QAccessibleWidget(bar, QAccessible::Button)
        , m_arrow(arrow)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return ArrowName(Bar(), m_arrow);
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.disabled = !ArrowAvailable(Bar(), m_arrow);
        return s;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QStringList actionNames() const override { return PressOnly(); }
    void doAction(const QString &action) override
    {
        if (action == QAccessibleActionInterface::pressAction())
            PressArrow(Bar(), m_arrow);
    }

private:
    QScrollBar &Bar() const { return *static_cast<QScrollBar *>(widget()); }
    Arrow m_arrow;
};

// One of the two arrows of a bar that shows both.
class ArrowChildAccessible final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ArrowChildAccessible(QAccessibleInterface *group, QScrollBar *bar, Arrow arrow)
        : m_group(group)
        , m_bar(bar)
        , m_arrow(arrow)
    {
    }

    bool isValid() const override { return !m_bar.isNull(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return m_group; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QString text(QAccessible::Text t) const override
    {
        return m_bar && t == QAccessible::Name ? ArrowName(*m_bar, m_arrow) : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.disabled = !m_bar || !ArrowAvailable(*m_bar, m_arrow);
        s.invisible = !m_bar || !m_bar->isVisible();
        return s;
    }
    QRect rect() const override
    {
        if (!m_bar)
            return {};
        QStyleOptionSlider option;
        option.initFrom(m_bar);
        option.orientation = m_bar->orientation();
        option.minimum = m_bar->minimum();
        option.maximum = m_bar->maximum();
        option.sliderPosition = m_bar->sliderPosition();
        option.sliderValue = m_bar->value();
        option.singleStep = m_bar->singleStep();
        option.pageStep = m_bar->pageStep();
        option.subControls = QStyle::SC_All;
        const QRect local = m_bar->style()->subControlRect(QStyle::CC_ScrollBar,
                                                           &option,
                                                           m_arrow == Arrow::Sub ? QStyle::SC_ScrollBarSubLine
                                                                                 : QStyle::SC_ScrollBarAddLine,
                                                           m_bar);
        return QRect(m_bar->mapToGlobal(local.topLeft()), local.size());
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return PressOnly(); }
    void doAction(const QString &action) override
    {
        if (m_bar && action == QAccessibleActionInterface::pressAction())
            PressArrow(*m_bar, m_arrow);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QAccessibleInterface *m_group;
    QPointer<QScrollBar> m_bar;
    Arrow m_arrow;
};

// A bar with both arrows named: a group of the two buttons, which it owns.
class ArrowGroupAccessible final : public QAccessibleWidget
{
public:
    explicit ArrowGroupAccessible(QScrollBar *bar)
        : QAccessibleWidget(bar, QAccessible::Grouping)
    {
    }
    ~ArrowGroupAccessible() override
    {
        for (const QAccessible::Id id : m_ids)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return 2; }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index > 1)
            return nullptr;
        QAccessible::Id &id = m_ids[std::size_t(index)];
        if (!id) {
            auto *arrow = new ArrowChildAccessible(const_cast<ArrowGroupAccessible *>(this),
                                                   static_cast<QScrollBar *>(widget()),
                                                   index == 0 ? Arrow::Sub : Arrow::Add);
            id = QAccessible::registerAccessibleInterface(arrow);
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < 2; ++i)
            if (m_ids[std::size_t(i)] && QAccessible::accessibleInterface(m_ids[std::size_t(i)]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < 2; ++i)
            if (QAccessibleInterface *arrow = child(i); arrow->rect().contains(x, y))
                return arrow;
        return nullptr;
    }
    QStringList actionNames() const override { return {}; }

private:
    mutable std::array<QAccessible::Id, 2> m_ids{};
};

QAccessibleInterface *ArrowBarFactory(const QString &, QObject *object)
{
    auto *bar = qobject_cast<QScrollBar *>(object);
    if (!bar)
        return nullptr;
    const bool sub = !ArrowName(*bar, Arrow::Sub).isEmpty();
    const bool add = !ArrowName(*bar, Arrow::Add).isEmpty();
    if (sub && add)
        return new ArrowGroupAccessible(bar);
    if (sub || add)
        return new ArrowButtonAccessible(bar, sub ? Arrow::Sub : Arrow::Add);
    return nullptr;
}

} // namespace

void NameArrows(QScrollBar &bar, const QString &subLine, const QString &addLine)
{
    static const bool installed = [] {
        QAccessible::installFactory(ArrowBarFactory);
        return true;
    }();
    (void)installed;
    bar.setProperty(kSubLineName, subLine);
    bar.setProperty(kAddLineName, addLine);
    // The bar's construction reported its value and so got the toolkit's scroll-bar interface: it
    // goes, and the next query makes the bar's own.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&bar))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace corvane::ui
