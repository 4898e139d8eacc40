#pragma once
// What a screen reader gets from the desktop's accessibility bus where Qt's
// own descriptions of its widgets fall short: a toggle button of an
// exclusive group reads as a radio button, a status bar carries its text
// itself, a label that shows a value has it as its text, a spoken note is
// read out the moment it appears, a line edit's text is one run of
// attributes, and a plain frame that groups controls is a panel. (Qt describes its own classes first,
// so the ones described differently here are classes of their own.)
#include <QLabel>
#include <QString>
#include <QToolButton>
#include <QWidget>

namespace vadelon {

// Installs the descriptions above; every window calls it before its first
// control is asked for (it is cheap, and does nothing the second time).
void InstallAccessibleWidgets();

// Makes Enter press the push or tool button that has the focus, as Space
// does, in every window of the program (Qt presses only a dialog's).
void LetEnterPressButtons();

// A toggle button of an exclusive group: one of a set of choices, read as a
// radio button.
class ChoiceButton final : public QToolButton {
    Q_OBJECT
public:
    explicit ChoiceButton(QWidget* parent);
};

// A label whose text is a value that changes (a weekday): a screen reader
// reads that text, under the label's name followed by the text.
class ValueLabel final : public QLabel {
    Q_OBJECT
public:
    ValueLabel(const QString& name, QWidget* parent);
    QString SpokenName() const { return name_; }

private:
    QString name_;
};

// The one text of a status bar: sets it on the label inside the bar and
// tells a screen reader the bar's text changed.
void SetStatusText(QLabel* label, const QString& text);

// A note a screen reader speaks at once, as a notification in the status bar
// it stands in. It has no look of its own: it is never seen, only heard.
class SpokenNote final : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNote(QWidget* statusBar);

    // Speaks text now; an empty text says nothing.
    void Say(const QString& text);
    // The last text said.
    QString Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent*) override { }

private:
    QString text_;
};

}  // namespace vadelon
