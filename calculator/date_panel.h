#pragma once
// One date entry group of the calculator window: title, Western year with
// its spin button, era drop-down and era year, month and day with their spin
// buttons, weekday label and today button. The form's handlers work on it.
#include "calculator/calc_mode.h"

#include <QList>
#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vadelon {

struct DateTexts;
class TUpDown;

enum class PanelSide { Upper, Lower };

// The controls of one panel, named in the layout as given for the upper
// panel and then the lower one.
struct DatePanel {
    FieldGroup group = FieldGroup::UpperPanel;  // what ClearFields calls it
    QFrame* frame = nullptr;                    // Panel2, Panel4
    QLabel* title = nullptr;                    // Label2, Label9
    QLineEdit* year = nullptr;                  // Edit1, Edit5
    TUpDown* yearSpin = nullptr;                // UpDown1, UpDown4
    QComboBox* era = nullptr;                   // ComboBox1, ComboBox2
    QLineEdit* eraYear = nullptr;               // Edit2, Edit6
    QLineEdit* month = nullptr;                 // Edit3, Edit7
    TUpDown* monthSpin = nullptr;               // UpDown2, UpDown5
    QLabel* monthUnit = nullptr;                // Label6, Label13
    QLineEdit* day = nullptr;                   // Edit4, Edit8
    TUpDown* daySpin = nullptr;                 // UpDown3, UpDown6
    QLabel* dayUnit = nullptr;                  // Label7, Label14
    QLabel* weekday = nullptr;                  // Label8, Label15
    QPushButton* today = nullptr;               // Button1, Button2

    // The Western year, month and day: read together as the panel's date,
    // emptied in this order, and a change to any of them is the panel's change.
    std::array<QLineEdit*, 3> DateFields() const { return {year, month, day}; }
    // Every field the user types into: the date fields and the era year.
    std::array<QLineEdit*, 4> TypedFields() const { return {year, eraYear, month, day}; }
    std::array<TUpDown*, 3> Spins() const { return {yearSpin, monthSpin, daySpin}; }
    // The controls that only take input: disabled while the panel shows a result.
    QList<QWidget*> InputControls() const;
    // Shown only in the modes that count in days.
    QList<QWidget*> MonthAndDay() const;
    // The order in which Tab goes through the panel.
    QList<QWidget*> FocusChain() const;
    // The date as typed.
    DateTexts Date() const;
};

// Creates the panel's controls at their places inside a raised 257 x 113
// frame of parent, each named as in the layout, with the names a screen
// reader says, such as "上の日付 西暦年".
DatePanel BuildDatePanel(QWidget* parent, PanelSide side);

// A disabled panel only stops input: it keeps the colours of an enabled one,
// so that the results in its fields stay readable.
void KeepLookWhenDisabled(QWidget* panel);

// The panel that receives a run's result takes no input but lets its fields
// take the focus; its frame keeps the look of a panel that takes no input.
void LookAsResultPanel(QWidget* panel, bool receivesResult);

}  // namespace vadelon
