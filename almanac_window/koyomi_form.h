#pragma once
// The almanac text window: a small plain-text editor that shows the almanac
// report and opens, saves and prints Shift-JIS text files.
#include <QMainWindow>
#include <functional>

namespace vadelon {

class Platform;

class TKoyomiForm : public QMainWindow {
    Q_OBJECT
public:
    // hintSink receives the hints of this window's menu items and tool
    // buttons (the calculator window's DisplayHint).
    TKoyomiForm(Platform& platform, std::function<void(const QString&)> hintSink,
                QWidget* parent = nullptr);
    ~TKoyomiForm() override;

    // The four operations the almanac report uses, in this order.
    void ClearText();
    void AppendLine(const QString& line);
    void SetCaption(const QString& caption);
    void ShowModal();  // returns once the window has been closed

    // The rest (editor, menus, tool bar, commands) is the window's own.
};

}  // namespace vadelon
