#include "calculator/number_field.h"

#include <QInputMethodEvent>

namespace vadelon {

TNumberField::TNumberField(QWidget* parent)
    : QLineEdit(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

QVariant TNumberField::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // QLineEdit answers this query itself, whatever the attribute says; the
    // input method asks it when the field takes the focus.
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query);
}

void TNumberField::inputMethodEvent(QInputMethodEvent* event)
{
    QLineEdit::inputMethodEvent(event);
    if (!event->commitString().isEmpty())
        emit Committed();
}

}  // namespace vadelon
