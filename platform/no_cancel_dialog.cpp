#include "platform/no_cancel_dialog.h"

#include <QKeyEvent>

namespace vadelon {

void NoCancelDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vadelon
