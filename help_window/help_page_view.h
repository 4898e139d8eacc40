#pragma once
// The help window's page view: Qt's text browser, reading the manual's pages
// and pictures within the manual's limits (manual_files.h), so that a broken
// install shows a message in place of a page instead of taking the program
// down. Only the manual's own files are read; other links open outside.
#include <QTextBrowser>

namespace vadelon {

class HelpPageView final : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpPageView(QWidget* parent = nullptr);
    ~HelpPageView() override;

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    // Tab walks the page's links before it leaves the page; each link it
    // reaches is told to a screen reader.
    bool focusNextPrevChild(bool next) override;

private:
    bool onLink_ = false;  // a link was told as having the focus, and the caret is on it
};

}  // namespace vadelon
