#pragma once
// A vertical up-down spin button that stands beside its field without being
// bound to it. It keeps a position of its own (-32768 to 32767, no wrap) and
// reports a press only when that position moves; holding an arrow repeats.
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <optional>

namespace vadelon {

class TUpDown final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMin = -32768;
    static constexpr int kMax = 32767;

    explicit TUpDown(QWidget* parent = nullptr);

    // One press in a direction (+1 upper arrow, -1 lower arrow). Emits Click
    // and returns true only when the position moved.
    bool Step(int direction);

    QSize sizeHint() const override { return {15, 20}; }

    // The field it stands beside, whose number a screen reader reads as the
    // spin button's value; the steps themselves are the window's handlers'.
    void SetField(QLineEdit* field) { field_ = field; }
    // That number, when the field reads as one.
    std::optional<int> FieldValue() const;

signals:
    void Click(int direction);
    // The mouse button was released after a press on this control, whether
    // or not a press moved the position; also the release of an arrow key
    // that stepped it from the keyboard.
    void MouseUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void Repeat();

    int position_ = 0;
    int held_ = 0;  // direction of the arrow held down, 0 for none
    QTimer repeat_;
    QPointer<QLineEdit> field_;
};

}  // namespace vadelon
