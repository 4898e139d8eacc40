#include "calendar_window/month_grid_accessible.h"

#include "calendar_window/month_grid.h"

#include <QPointer>
#include <QRegularExpression>
#include <algorithm>

namespace vadelon {

namespace {

// A day's line as it is read aloud: the weekday in full ("（水）" is read as
// 「水」 alone) and the wide gaps as pauses.
QString Spoken(QString line)
{
    static const QRegularExpression weekday(QStringLiteral("（(.)）"));
    line.replace(weekday, QStringLiteral(" \\1曜日 "));
    line.replace(u'　', u' ');
    return line.simplified();
}

class DayCellAccessible final : public QAccessibleInterface {
public:
    DayCellAccessible(MonthGrid* grid, int index)
        : grid_(grid)
        , index_(index)
    { }

    bool isValid() const override { return !grid_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override { }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override
    {
        if (!grid_ || t != QAccessible::Name)
            return {};
        const DayCell& cell = Cell();
        if (!cell.selectable)
            return QString::number(cell.date.day);
        // The selected day says what the line under the grid says: its day
        // in full, or the range it ends.
        MonthCalendar& calendar = grid_->Calendar();
        return Spoken(QString::fromStdString(cell.selected ? calendar.StatusLine() : calendar.DayLine(cell.date)));
    }

    QRect rect() const override
    {
        if (!grid_)
            return {};
        const QRect local = grid_->CellRect(index_);
        return QRect(grid_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!grid_)
            return s;
        const DayCell& cell = Cell();
        s.selectable = cell.selectable;
        s.focusable = cell.selectable;
        s.selected = cell.inRange || cell.selected;
        s.focused = cell.selected && grid_->hasFocus();
        s.invisible = !grid_->isVisible();
        return s;
    }

private:
    const DayCell& Cell() const { return grid_->Cells()[static_cast<std::size_t>(index_)]; }

    QPointer<MonthGrid> grid_;
    int index_;
};

QAccessibleInterface* GridFactory(const QString& className, QObject* object)
{
    if (auto* grid = qobject_cast<MonthGrid*>(object))
        return new MonthGridAccessible(grid);
    // The calendar is a window of its own (a plain widget would be a filler).
    if (className == QLatin1String("vadelon::CalendarWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

MonthGridAccessible::MonthGridAccessible(MonthGrid* grid)
    : QAccessibleWidget(grid, QAccessible::List)
{ }

MonthGridAccessible::~MonthGridAccessible()
{
    for (const QAccessible::Id id : cells_) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

MonthGrid* MonthGridAccessible::Grid() const
{
    return static_cast<MonthGrid*>(widget());
}

int MonthGridAccessible::childCount() const
{
    return kCellsShown;
}

QAccessibleInterface* MonthGridAccessible::child(int index) const
{
    if (index < 0 || index >= kCellsShown)
        return nullptr;
    QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new DayCellAccessible(Grid(), index));
    return QAccessible::accessibleInterface(id);
}

int MonthGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    const auto found = std::find(cells_.begin(), cells_.end(), id);
    return id != 0 && found != cells_.end() ? static_cast<int>(found - cells_.begin()) : -1;
}

QAccessibleInterface* MonthGridAccessible::childAt(int x, int y) const
{
    return child(Grid()->CellAt(Grid()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* MonthGridAccessible::focusChild() const
{
    if (!Grid()->hasFocus())
        return nullptr;
    const MonthCells& cells = Grid()->Cells();
    const auto selected = std::find_if(cells.begin(), cells.end(), [](const DayCell& c) { return c.selected; });
    return selected == cells.end() ? nullptr : child(static_cast<int>(selected - cells.begin()));
}

void InstallGridAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void AnnounceSelectedCell(MonthGrid* grid)
{
    if (!QAccessible::isActive() || !grid->hasFocus())
        return;
    const MonthCells& cells = grid->Cells();
    const auto selected = std::find_if(cells.begin(), cells.end(), [](const DayCell& c) { return c.selected; });
    if (selected == cells.end())
        return;
    QAccessibleEvent event(grid, QAccessible::Focus);
    event.setChild(static_cast<int>(selected - cells.begin()));
    QAccessible::updateAccessibility(&event);
}

}  // namespace vadelon
