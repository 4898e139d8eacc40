#pragma once
// The month calendar window: a month as a wall calendar (holidays, 六曜,
// 旧暦, 節気 and 雑節, new and full moons), the selected day or range in
// full under it, and Enter to take the day into the calculator. The program
// keeps one, modeless, beside the calculator (CalendarWindowHolder).
#include "calendar_window/month_calendar.h"

#include <QDate>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;

namespace vadelon {

class MonthGrid;

// What the calendar needs of the calculator, in the core's dates.
struct CalculatorLink {
    QWidget* window = nullptr;  // opened beside, raised after a date is taken
    std::function<Date()> today;
    // The upper date panel's date, when its fields read as a real date.
    std::function<std::optional<Date>()> upperDate;
    // Writes a date into the upper panel as if it had been typed there;
    // false when the calculator refused it (it said why with a beep).
    std::function<bool(const Date&)> enterUpperDate;
    // F1: the manual at the calendar's page.
    std::function<void()> help;
};

// Qt's dates (proleptic Gregorian, as the core's) where the calculator and
// the desktop give them.
inline Date DateOfQDate(const QDate& date)
{
    return {date.year(), date.month(), date.day()};
}
inline QDate QDateOf(const Date& date)
{
    return QDate(date.year, date.month, date.day);
}
inline std::optional<Date> DateOfQDate(const std::optional<QDate>& date)
{
    return date ? std::optional<Date>(DateOfQDate(*date)) : std::nullopt;
}

class CalendarWindow final : public QWidget {
    Q_OBJECT
public:
    explicit CalendarWindow(CalculatorLink link, QWidget* parent = nullptr);
    ~CalendarWindow() override;

    // Shows the month of a date with that date selected (today's when the
    // date lies outside 445 to 9999).
    void OpenOn(const Date& date);

    MonthGrid* Grid() const { return grid_; }
    QString LineText() const;
    // The go-to field (Ctrl+G or the header's 日付へ移動 button): a date as a
    // Japanese user writes it; Enter moves there, or shows why not in the
    // line under the grid and moves nothing; Esc closes it.
    QLineEdit* GoToField() const { return goTo_; }
    void OpenGoTo();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildHeader(QWidget* header);
    // The month, the buttons and the line grow with the window as the grid's
    // text does; never below their own sizes.
    void ScaleTexts();
    void ShowState();
    void Step(int months);
    void ChooseSelected();
    void GoTo();

    CalculatorLink link_;
    std::unique_ptr<MonthCalendar> calendar_;
    MonthGrid* grid_ = nullptr;
    QLabel* month_ = nullptr;
    QLabel* line_ = nullptr;
    QWidget* goToRow_ = nullptr;
    QLineEdit* goTo_ = nullptr;
    QTimer* prepare_ = nullptr;  // works out the years next to the one shown when idle
    QList<QToolButton*> buttons_;
    QSize ownSize_;     // the window at its texts' own sizes
    double scale_ = 1;  // of the texts around the grid
};

// The program's one calendar window, made on first use.
class CalendarWindowHolder {
public:
    explicit CalendarWindowHolder(CalculatorLink link)
        : link_(std::move(link))
    { }
    CalendarWindowHolder(const CalendarWindowHolder&) = delete;
    CalendarWindowHolder& operator=(const CalendarWindowHolder&) = delete;
    ~CalendarWindowHolder();

    // Shows the window and raises it. When it is not open yet it opens on the
    // month of the calculator's upper date if that is a date, else on
    // today's; the first time beside the calculator.
    void Present();
    CalendarWindow* Window() const { return window_; }

private:
    CalculatorLink link_;
    QPointer<CalendarWindow> window_;
};

}  // namespace vadelon
