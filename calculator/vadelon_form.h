#pragma once
// The calculator window: the mode panel, the two date panels, the number
// panel, the run and clear buttons, the status bar and the main menu.
#include "calculator/calc_mode.h"
#include "calculator/date_panel.h"
#include "calculator/run_images.h"
#include "calendar/calculation_rules.h"
#include "calendar/era.h"

#include <QDate>
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <set>
#include <utility>

class QAction;
class QActionGroup;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
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

    // The upper panel's date, when its Western year, month and day read as a
    // real date.
    std::optional<QDate> UpperPanelDate() const;
    // Writes a date into the upper panel as typing it would: each field's
    // change handling runs as it is written, then the era fields follow as
    // on a key release.
    void EnterUpperDate(const QDate& date);

    // The one hint handler of the application: the hint goes to the status bar.
    void DisplayHint(const QString& hint);
    // What the status bar shows.
    QString StatusText() const;

    CalcMode CurrentMode() const;
    bool ShiftForward() const { return shiftForward_; }

    void SelectMode(CalcMode mode, bool fromMenu);
    void ApplyModeLayout(CalcMode mode);
    void ClearFields(FieldGroup group);
    void ClearAll();
    void ToggleShiftDirection();
    void RunCalculation();

    void RefreshWeekday(PanelSide side);
    void RefreshEraFields(PanelSide side);
    void RefreshWesternYear(PanelSide side);

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
    void SetFocusOrder();
    void FillEraLists();

    void BindDatePanels();
    void ShowRunImage(RunImage image);
    void ShowMonthAndDay(PanelSide side, bool shown);
    QToolButton* ModeButton(CalcMode mode) const;
    QAction* ModeMenuItem(CalcMode mode) const;

    // A panel's Western year, month and day fields, and the one reading of them.
    std::array<QLineEdit*, 3> DateEdits(PanelSide side) const;
    DateTexts PanelDate(PanelSide side) const;

    // Handlers of the date panels.
    void YearStep(PanelSide side, int direction);
    void MonthStep(PanelSide side, int direction);
    void DayStep(PanelSide side, int direction);
    void Today(PanelSide side);
    void Edit1Change();
    void Edit5Change();
    void Edit9Change();
    EraChoice AskEra(const EraQuestion& question);
    // A key released in a field (or text committed into it): the era fields
    // of a date field's panel, or the Western year of an era-year field.
    void FieldKeyUp(QObject* field);

    // The run: shows a result's message and writes its texts into the
    // fields, true when it wrote; and the almanac's hand-over.
    bool WriteResult(const RunResult& result, std::initializer_list<QLineEdit*> fields);
    void ComposeAlmanac(const AlmanacRun& run);
    // The lower panel's date as a screen reader says it, with or without
    // its month and day.
    QString LowerDateSpoken(bool withMonthAndDay) const;

    Platform& platform_;
    QLabel* statusText_ = nullptr;
    SpokenNote* resultNote_ = nullptr;  // says a run's result as it appears
    std::function<TNengoForm*()> eraDialog_;
    std::function<QWidget*()> aboutBox_;
    AlmanacWindow almanac_;
    std::function<void()> calendar_;
    QButtonGroup* modeGroup_ = nullptr;
    QActionGroup* modeMenuGroup_ = nullptr;
    std::set<qint64> keysPressedElsewhere_;  // keys last pressed in another window, not yet released
    bool shiftForward_ = true;

    // The controls, by their names in the layout. Those that no handler
    // touches after construction are found by name (findChild) only.
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;

    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    TUpDown* UpDown1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    TUpDown* UpDown2 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Edit4 = nullptr;
    TUpDown* UpDown3 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* Button1 = nullptr;

    QFrame* Panel3 = nullptr;
    QLabel* Label16 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QToolButton* SpeedButton6 = nullptr;

    QFrame* Panel4 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Edit5 = nullptr;
    TUpDown* UpDown4 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit7 = nullptr;
    TUpDown* UpDown5 = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* Edit8 = nullptr;
    TUpDown* UpDown6 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QPushButton* Button2 = nullptr;

    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;

    QMenuBar* MainMenu1 = nullptr;
    QAction* N3 = nullptr;
    QAction* D1 = nullptr;
    QAction* A1 = nullptr;
    QAction* B1 = nullptr;
    QAction* W1 = nullptr;
    QAction* R1 = nullptr;
    QAction* Clear1 = nullptr;
    QAction* Calendar1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* SearchforHelpOn1 = nullptr;
    QAction* About1 = nullptr;
};

}  // namespace vadelon
