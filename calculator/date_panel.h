#pragma once
// One date entry group of the calculator window: title, Western year with
// its spin button, era drop-down and era year, month and day with their spin
// buttons, weekday label and today button. The form's handlers work on it.
class QFrame;
class QLineEdit;
class QWidget;

namespace vadelon {

enum class PanelSide { Upper, Lower };

// Creates the panel's controls at their places inside a raised 257 x 113
// frame (Panel2 or Panel4) of parent, each named as in the layout (Edit1 to
// Edit4, UpDown1 to UpDown3, ComboBox1, Label2 to Label8, Button1 above;
// Edit5 to Edit8, UpDown4 to UpDown6, ComboBox2, Label9 to Label15, Button2
// below), with the names a screen reader says, such as "上の日付 西暦年".
QFrame* BuildDatePanel(QWidget* parent, PanelSide side);

// A disabled panel only stops input: it keeps the colours of an enabled one,
// so that the results in its fields stay readable.
void KeepLookWhenDisabled(QWidget* panel);

// The panel that receives a run's result takes no input but lets its fields
// take the focus; its frame keeps the look of a panel that takes no input.
void LookAsResultPanel(QWidget* panel, bool receivesResult);

}  // namespace vadelon
