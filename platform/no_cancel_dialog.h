#pragma once
// A dialog with nothing to cancel: Esc, which would close a dialog as
// cancelled, does nothing.
#include <QDialog>

class QKeyEvent;

namespace vadelon {

class NoCancelDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vadelon
