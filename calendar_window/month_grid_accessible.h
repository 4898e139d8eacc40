#pragma once
// What a screen reader finds in the month grid: a list of the 42 days, each
// named by its full line ("2026年5月6日（水）振替休日　旧暦3月20日　仏滅　
// 月齢18.6"), the selected one focused and announced as it moves.
#include <QAccessibleWidget>
#include <array>

namespace vadelon {

class MonthGrid;

class MonthGridAccessible final : public QAccessibleWidget {
public:
    explicit MonthGridAccessible(MonthGrid* grid);
    ~MonthGridAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    MonthGrid* Grid() const;

    // The days' interfaces, made when first asked for and kept in Qt's cache
    // under these ids until the grid's interface goes.
    mutable std::array<QAccessible::Id, 42> cells_{};
};

// Makes Qt give every month grid the interface above; once, before the first
// grid is asked about.
void InstallGridAccessibility();

// Tells a screen reader that the selected day has the focus now.
void AnnounceSelectedCell(MonthGrid* grid);

}  // namespace vadelon
