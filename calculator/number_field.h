#pragma once
// The edit box of a number (year, era year, month, day, the number field).
// It takes no input-method composition: with a Japanese input method left on,
// digits typed into it arrive as typed, half-width, instead of staying in a
// composition the field cannot read. Text that an input method commits all
// the same (a desktop that ignores the request) is reported, since no key
// release of the field follows it.
#include <QLineEdit>

namespace vadelon {

class TNumberField final : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumberField(QWidget* parent = nullptr);

    using QLineEdit::inputMethodQuery;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    // An input method has committed text into the field (after the change).
    void Committed();

protected:
    void inputMethodEvent(QInputMethodEvent* event) override;
};

}  // namespace vadelon
