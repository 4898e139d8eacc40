#pragma once
// The about box: product picture, version, OK.
#include <QDialog>

class QLabel;
class QPushButton;

namespace vadelon {

class TVerForm final : public QDialog {
    Q_OBJECT
public:
    explicit TVerForm(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace vadelon
