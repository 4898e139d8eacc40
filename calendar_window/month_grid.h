#pragma once
// The six weeks of the month calendar as one painted widget that takes the
// keys and the mouse: arrows move the day, PageUp / PageDown the month,
// Ctrl+PageUp / Ctrl+PageDown the year, Home goes to today, Shift with an
// arrow, a page key or a click stretches a range, the wheel turns months,
// Enter and a double click choose the day.
#include "calendar_window/month_calendar.h"

#include <QWidget>
#include <optional>

namespace vadelon {

// How a cell's holiday, 節気 or 雑節 is set in the band between its day and
// its 旧暦 day: the pixel size, and the text with its line breaks (only
// between words); cut short after a word, with "…", when not even the
// smallest size holds it.
struct LabelLayout {
    int size = 0;
    QString text;
    bool elided = false;
};
LabelLayout LayOutLabel(const QString& label, const QSize& band, int largest);

// A day cell's parts: the row of its day and 六曜, the band of its label,
// the row of its 旧暦 day and moon; the pixel sizes of the day's font and
// of the small one.
struct CellParts {
    QRect top, band, bottom;
    int numberSize = 0, smallSize = 0;
};
CellParts CellPartsOf(const QRect& cell);

class MonthGrid final : public QWidget {
    Q_OBJECT
public:
    explicit MonthGrid(MonthCalendar& calendar, QWidget* parent = nullptr);

    // Takes the calendar's state anew after a change made from outside.
    void Refresh();
    MonthCalendar& Calendar() const { return calendar_; }
    const MonthCells& Cells() const { return cells_; }
    // The cell under a point, or -1; a cell's rectangle (the weekday row is -1 to -7).
    int CellAt(const QPoint& point) const;
    QRect CellRect(int index) const;
    QRect WeekdayRect(int weekday) const;

signals:
    // The selection or the month changed.
    void Moved();
    // Enter or a double click: the selected day is chosen.
    void Chosen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    // After a move of the calendar: new cells, painted at once.
    void Changed(bool moved);
    int HeaderHeight() const;
    void PaintCell(QPainter& painter, const DayCell& cell, const QRect& rect) const;
    void PaintLabel(QPainter& painter, const DayCell& cell, const QRect& band, int largest) const;

    MonthCalendar& calendar_;
    MonthCells cells_;
    int wheelAngle_ = 0;              // eighths of a degree not yet turned into months
    std::optional<Date> pressedDay_;  // the day the last click selected
};

}  // namespace vadelon
