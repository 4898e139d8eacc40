#pragma once
// The about box: product picture, version, OK.
#include "platform/no_cancel_dialog.h"

#include <QPoint>
#include <optional>

class QLabel;
class QPushButton;

namespace vadelon {

// The box has no cancel button: Esc does nothing.
class TVerForm final : public NoCancelDialog {
    Q_OBJECT
public:
    explicit TVerForm(QWidget* parent = nullptr);

    // Paints the picture, fits the labels to their texts and centres the box
    // on its first showing, and puts it back where it was last closed on
    // every later one.
    void setVisible(bool visible) override;

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr;

private:
    std::optional<QPoint> lastPosition_;
    bool prepared_ = false;
};

}  // namespace vadelon
