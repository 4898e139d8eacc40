#pragma once
// One date entry group of the calculator window: title, Western year with
// its spin button, era drop-down and era year, month and day with their spin
// buttons, weekday label and today button. The form's handlers work on it.
#include <QList>
#include <QString>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vadelon {

class TUpDown;

enum class PanelSide { Upper, Lower };

struct DatePanel {
    QFrame* frame = nullptr;
    QLabel* title = nullptr;
    QLabel* yearCaption = nullptr;  // 西暦
    QLineEdit* year = nullptr;
    TUpDown* yearSpin = nullptr;
    QLabel* yearUnit = nullptr;  // 年
    QComboBox* era = nullptr;
    QLineEdit* eraYear = nullptr;
    QLabel* eraYearUnit = nullptr;  // 年
    QLineEdit* month = nullptr;
    TUpDown* monthSpin = nullptr;
    QLabel* monthUnit = nullptr;  // 月
    QLineEdit* day = nullptr;
    TUpDown* daySpin = nullptr;
    QLabel* dayUnit = nullptr;  // 日
    QLabel* weekday = nullptr;
    QPushButton* today = nullptr;
};

// The names of one panel's controls in the order of the DatePanel members.
struct DatePanelNames {
    const char* frame;
    const char* title;
    const char* yearCaption;
    const char* year;
    const char* yearSpin;
    const char* yearUnit;
    const char* era;
    const char* eraYear;
    const char* eraYearUnit;
    const char* month;
    const char* monthSpin;
    const char* monthUnit;
    const char* day;
    const char* daySpin;
    const char* dayUnit;
    const char* weekday;
    const char* today;
};

// Creates the controls at their places inside a raised 257 x 113 frame at
// (left, top) of parent.
DatePanel BuildDatePanel(QWidget* parent, int left, int top, const DatePanelNames& names);

// The panel's controls in focus order: Western year, year spin button, era,
// era year, month, day, month and day spin buttons, today button.
QList<QWidget*> FocusChain(const DatePanel& panel);

// A disabled panel only stops input: it keeps the colours of an enabled one,
// so that the results in its fields stay readable.
void KeepLookWhenDisabled(QWidget* panel);

// "今日の日付または今年の西暦年や和暦年を入力します。"
QString TodayButtonHint();

// Names a screen reader says for the panel's controls, such as
// "上の日付 西暦年"; the labels beside them are not tied to them otherwise.
void NameForScreenReaders(const DatePanel& panel, const QString& panelName);

}  // namespace vadelon
