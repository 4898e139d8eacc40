#pragma once
// The era confirmation dialog: asks which era name to adopt in a year of
// change whose month or day leaves the era open.
#include "calendar/days/era.h"
#include "platform/no_cancel_dialog.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace vadelon {

class Platform;
class SpokenNote;

// There is nothing to cancel: Esc does not close the question.
class TNengoForm final : public NoCancelDialog {
    Q_OBJECT
public:
    explicit TNengoForm(Platform& platform, QWidget* parent = nullptr);

    // Fills the texts, runs the dialog modally through the platform and reads
    // the answer from the toggle pair, however the dialog was closed.
    EraChoice AskEraChoice(const EraQuestion& question);

    // Writes a question's sentence, the two names and the two button
    // captions, and sizes the labels to their texts (the dialog is always
    // shown through this); leaves the down state of the toggles alone.
    void SetQuestionTexts(const EraQuestion& question);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QPushButton* Button1 = nullptr;

    // The question in one sentence, as the five labels show it.
    QString Sentence() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The group's name for a screen reader: its caption and the choice.
    void NameTheChoice();

    Platform& platform_;
    SpokenNote* choiceNote_ = nullptr;  // says the era an arrow key chose
};

}  // namespace vadelon
