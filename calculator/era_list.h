#pragma once
// A date panel's era drop-down. Qt names a drop-down after the item it shows,
// so the two panels' lists would read alike ("平成" and "平成"): this one is
// named by what it is and then the era it shows, "上の日付 年号 平成".
#include <QComboBox>

namespace vadelon {

class EraList final : public QComboBox {
    Q_OBJECT
public:
    // name: what a screen reader calls the list, before the era it shows.
    EraList(const QString& name, QWidget* parent);
    QString SpokenName() const { return name_; }

private:
    QString name_;
};

}  // namespace vadelon
