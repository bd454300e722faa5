#include "MonthGridAccessible.h"

#include "DayCellName.h"
#include "MonthGridWidget.h"
#include "platform/ui/Text.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>

namespace corvane::month
{

namespace
{

constexpr int kHeaderCount = kColumns;
constexpr int kCellCount = kRows * kColumns;

// The day [1, 31] in a cell of the picture, or 0 for an empty cell.
int DayInCell(const GridPicture &picture, int row, int column)
{
    if (picture.days.empty())
        return 0;
    const GridPosition first = picture.days.front().position;
    const int day = row * kColumns + column - (first.row * kColumns + first.column) + 1;
    return day >= 1 && std::size_t(day) <= picture.days.size() ? day : 0;
}

QRect GlobalRect(const QWidget &widget, const QRect &local)
{
    return QRect(widget.mapToGlobal(local.topLeft()), local.size());
}

// What the cells and headers have in common: no object, no children, a table as parent.
class GridPartAccessible : public QAccessibleInterface
{
public:
    GridPartAccessible(QAccessibleInterface *table, MonthGridWidget *grid)
        : m_table(table)
        , m_grid(grid)
    {
    }
    bool isValid() const override { return !m_grid.isNull(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return m_table; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override { }

protected:
    QAccessibleInterface *m_table;
    QPointer<MonthGridWidget> m_grid;
};

class GridHeaderAccessible final : public GridPartAccessible
{
public:
    GridHeaderAccessible(QAccessibleInterface *table, MonthGridWidget *grid, int column)
        : GridPartAccessible(table, grid)
        , m_column(column)
    {
    }
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QString::fromUtf8(WeekDayCaption(m_column)) : QString();
    }
    QAccessible::State state() const override { return {}; }
    // The header row lies above the grid, in the control's week-day strip: the column's width, one
    // cell high.
    QRect rect() const override
    {
        if (!m_grid)
            return {};
        const QRect cell = m_grid->CellRect({m_column, 0});
        return GlobalRect(*m_grid, cell.translated(0, -cell.height()));
    }

private:
    int m_column;
};

class GridCellAccessible final : public GridPartAccessible, public QAccessibleTableCellInterface
{
public:
    GridCellAccessible(QAccessibleInterface *table, MonthGridWidget *grid, int row, int column)
        : GridPartAccessible(table, grid)
        , m_row(row)
        , m_column(column)
    {
    }

    QAccessible::Role role() const override { return QAccessible::Cell; }
    QString text(QAccessible::Text t) const override
    {
        const int day = Day();
        if (!day)
            return {};
        const GridPicture &picture = m_grid->CurrentPicture();
        if (t == QAccessible::Name)
            return ui::ToQString(DayCellName(picture.year, picture.month, day));
        if (t == QAccessible::Description && picture.days[std::size_t(day - 1)].bold)
            return QStringLiteral("今天");
        return {};
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const int day = Day();
        if (!day)
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = day == m_grid->CurrentPicture().highlightDay;
        s.focused = s.selected && m_grid->hasFocus();
        s.invisible = !m_grid->isVisible();
        return s;
    }
    QRect rect() const override { return m_grid ? GlobalRect(*m_grid, m_grid->CellRect({m_column, m_row})) : QRect(); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {m_table->child(m_column)}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return m_table; }

private:
    int Day() const { return m_grid ? DayInCell(m_grid->CurrentPicture(), m_row, m_column) : 0; }
    int m_row;
    int m_column;
};

class GridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit GridAccessible(MonthGridWidget *grid)
        : QAccessibleWidget(grid, QAccessible::Table)
    {
    }
    ~GridAccessible() override
    {
        for (const QAccessible::Id id : m_children)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const GridPicture &picture = Grid().CurrentPicture();
        return picture.year ? QStringLiteral("%1年%2月").arg(picture.year).arg(picture.month) : QString();
    }
    int childCount() const override { return kHeaderCount + kCellCount; }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        QAccessible::Id &id = m_children[std::size_t(index)];
        if (!id) {
            auto *self = const_cast<GridAccessible *>(this);
            auto *grid = &Grid();
            QAccessibleInterface *part = index < kHeaderCount
                ? static_cast<QAccessibleInterface *>(new GridHeaderAccessible(self, grid, index))
                : new GridCellAccessible(self,
                                         grid,
                                         (index - kHeaderCount) / kColumns,
                                         (index - kHeaderCount) % kColumns);
            id = QAccessible::registerAccessibleInterface(part);
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (m_children[std::size_t(i)] && QAccessible::accessibleInterface(m_children[std::size_t(i)]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                if (Grid().CellRect({column, row}).contains(local))
                    return cellAt(row, column);
        return nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        if (!widget()->hasFocus())
            return nullptr;
        const auto selected = selectedCells();
        return selected.isEmpty() ? nullptr : selected.front();
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTableInterface: one selected cell, the highlighted one; no row or column selection.
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
            return nullptr;
        return child(GridCellChild(row, column));
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        const GridPicture &picture = Grid().CurrentPicture();
        if (picture.highlightDay < 1 || std::size_t(picture.highlightDay) > picture.days.size())
            return {};
        const GridPosition at = picture.days[std::size_t(picture.highlightDay - 1)].position;
        return {cellAt(at.row, at.column)};
    }
    QString columnDescription(int column) const override
    {
        return column >= 0 && column < kColumns ? QString::fromUtf8(WeekDayCaption(column)) : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override { }

private:
    MonthGridWidget &Grid() const { return *static_cast<MonthGridWidget *>(widget()); }
    mutable std::array<QAccessible::Id, kHeaderCount + kCellCount> m_children{};
};

QAccessibleInterface *GridFactory(const QString &, QObject *object)
{
    if (auto *grid = dynamic_cast<MonthGridWidget *>(object))
        return new GridAccessible(grid);
    return nullptr;
}

// The child index of the highlighted cell, or -1.
int SelectedChild(const GridPicture &picture)
{
    if (picture.highlightDay < 1 || std::size_t(picture.highlightDay) > picture.days.size())
        return -1;
    const GridPosition at = picture.days[std::size_t(picture.highlightDay - 1)].position;
    return GridCellChild(at.row, at.column);
}

std::function<void(QAccessibleEvent &)> &Listener()
{
    static std::function<void(QAccessibleEvent &)> listener;
    return listener;
}

bool Listening()
{
    return Listener() || QAccessible::isActive();
}

void Send(MonthGridWidget &grid, QAccessible::Event type, int child = -1)
{
    QAccessibleEvent event(&grid, type);
    if (child >= 0)
        event.setChild(child);
    if (Listener())
        Listener()(event);
    else
        QAccessible::updateAccessibility(&event);
}

} // namespace

void InstallGridAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    (void)installed;
}

void AnnounceGridSelection(MonthGridWidget &grid)
{
    const GridPicture &picture = grid.Picture();
    const int child = SelectedChild(picture);
    if (child < 0)
        return;
    const int key = (picture.year * 100 + picture.month) * 100 + picture.highlightDay;
    const int previous = std::exchange(grid.AnnouncedDay(), key);
    if (key == previous || !Listening())
        return;
    if (previous / 100 != key / 100)
        Send(grid, QAccessible::NameChanged);
    Send(grid, QAccessible::Selection, child);
    if (grid.hasFocus())
        Send(grid, QAccessible::Focus, child);
}

void AnnounceGridFocus(MonthGridWidget &grid)
{
    const int child = SelectedChild(grid.CurrentPicture());
    if (child >= 0 && Listening())
        Send(grid, QAccessible::Focus, child);
}

void SetGridAnnouncementListener(std::function<void(QAccessibleEvent &)> listener)
{
    Listener() = std::move(listener);
}

} // namespace corvane::month
