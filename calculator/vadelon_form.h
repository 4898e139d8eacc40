#pragma once
// The calculator window: the mode panel, the two date panels, the number
// panel, the run and clear buttons, the status bar and the main menu.
#include "calculator/calc_mode.h"
#include "calculator/date_panel.h"
#include "calculator/run_images.h"
#include "calendar/days/era.h"
#include "calendar/rules/calculation_rules.h"

#include <QDate>
#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <set>
#include <utility>

class QAbstractButton;
class QAction;
class QActionGroup;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QToolButton;

namespace vadelon {

class Platform;
class SpokenNote;
class TNengoForm;
class TUpDown;

// The almanac window as the run reaches it: shows the report's lines under
// its title, with a note on the date's 節入り for its status bar (note, and
// its long form detail), modally, and returns once the window is closed.
using AlmanacWindow =
    std::function<void(const QStringList& lines, const QString& title, const QString& note, const QString& detail)>;

class TVadelonForm final : public QMainWindow {
    Q_OBJECT
public:
    explicit TVadelonForm(Platform& platform, QWidget* parent = nullptr);
    ~TVadelonForm() override;

    // The other windows exist after this one; until attached, the step that
    // leads to them does nothing (the era question then answers None). Each
    // may be handed over as a function that gives it, made when first needed.
    void AttachEraDialog(std::function<TNengoForm*()> dialog) { eraDialog_ = std::move(dialog); }
    void AttachEraDialog(TNengoForm* dialog)
    {
        AttachEraDialog([dialog] { return dialog; });
    }
    void AttachAboutBox(std::function<QWidget*()> aboutBox) { aboutBox_ = std::move(aboutBox); }
    void AttachAboutBox(QWidget* aboutBox)
    {
        AttachAboutBox([aboutBox] { return aboutBox; });
    }
    void AttachAlmanacWindow(AlmanacWindow almanac) { almanac_ = std::move(almanac); }
    // The month calendar, opened (or raised) by the menu item ｶﾚﾝﾀﾞｰ.
    void AttachCalendarWindow(std::function<void()> open) { calendar_ = std::move(open); }
    // The window 年齢と期間, opened (or raised) by the menu item of that name.
    void AttachPeriodWindow(std::function<void()> open) { period_ = std::move(open); }

    // The upper panel's date, when its Western year, month and day read as a
    // real date.
    std::optional<QDate> UpperPanelDate() const;
    // Writes a date into the upper panel as typing it would: each field's
    // change handling runs as it is written, then the era fields follow as
    // on a key release. While the era question is open it writes nothing,
    // beeps and brings the question up: false then.
    bool EnterUpperDate(const QDate& date);

    // The one hint handler of the application: the hint goes to the status bar.
    void DisplayHint(const QString& hint);
    // What the status bar shows.
    QString StatusText() const;

    // The mode whose button is down.
    CalcMode CurrentMode() const;
    bool ShiftForward() const { return shiftForward_; }

    void SelectMode(CalcMode mode, bool fromMenu);
    void ApplyModeLayout(CalcMode mode);
    void ClearFields(FieldGroup group);
    void ClearAll();
    void ToggleShiftDirection();
    void RunCalculation();

    void RefreshEraFields(PanelSide side) { RefreshEraFields(Panel(side)); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction, in FormCreate's order.
    void FormCreate();
    void BuildModePanel(QWidget* client);
    void BuildNumberPanel(QWidget* client);
    void BuildButtons(QWidget* client);
    void BuildMenu();
    void ConnectHandlers();
    void ConnectPanel(DatePanel& panel);
    void SetFocusOrder();
    void FillEraLists();

    DatePanel& Panel(PanelSide side) { return panels_[static_cast<std::size_t>(side)]; }
    const DatePanel& Panel(PanelSide side) const { return panels_[static_cast<std::size_t>(side)]; }
    void ShowRunImage(RunImage image);
    QAbstractButton* ModeButton(CalcMode mode) const;
    QAction* ModeMenuItem(CalcMode mode) const;

    // Handlers of the date panels.
    void YearStep(const DatePanel& panel, int direction);
    void MonthStep(const DatePanel& panel, int direction);
    void DayStep(const DatePanel& panel, int direction);
    void Today(const DatePanel& panel);
    void RefreshWeekday(const DatePanel& panel);
    void RefreshEraFields(const DatePanel& panel);
    void RefreshWesternYear(const DatePanel& panel);
    // A change to a field of the group: the panel's weekday follows, and the
    // current mode's result, when the group is not that result, is emptied.
    void FieldsChanged(FieldGroup group);
    EraChoice AskEra(const EraQuestion& question);
    // A key released in a field (or text committed into it): the era fields
    // of a date field's panel, or the Western year of an era-year field.
    void FieldKeyUp(QObject* field);

    // The run: shows a result's message and writes its texts into the
    // fields, true when it wrote; and the almanac's hand-over.
    bool WriteResult(const RunResult& result, const QList<QLineEdit*>& fields);
    void ComposeAlmanac(const AlmanacRun& run);
    // A panel's date as a screen reader says it, with or without its month
    // and day.
    QString DateSpoken(const DatePanel& panel, bool withMonthAndDay) const;

    Platform& platform_;
    QLabel* statusText_ = nullptr;
    SpokenNote* resultNote_ = nullptr;  // says a run's result as it appears
    std::function<TNengoForm*()> eraDialog_;
    std::function<QWidget*()> aboutBox_;
    AlmanacWindow almanac_;
    std::function<void()> calendar_;
    std::function<void()> period_;
    QButtonGroup* modeGroup_ = nullptr;      // the mode buttons, each with its mode as id
    QActionGroup* modeMenuGroup_ = nullptr;  // the radio menu items, in the order of the modes
    std::set<qint64> keysPressedElsewhere_;  // keys last pressed in another window, not yet released
    bool shiftForward_ = true;
    bool askingEra_ = false;  // the era dialog is open, its answer not yet applied

    // The two date panels, upper and lower, and the other controls that the
    // handlers touch, by their names in the layout.
    std::array<DatePanel, 2> panels_;

    QFrame* Panel3 = nullptr;
    QLabel* Label16 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QToolButton* SpeedButton6 = nullptr;

    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    std::array<QLabel*, 3> runImages_{};  // Image1 to Image3, the holders of the run pictures

    QMenuBar* MainMenu1 = nullptr;
    QAction* SearchforHelpOn1 = nullptr;
};

}  // namespace vadelon
