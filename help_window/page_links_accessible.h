#pragma once
// The help window on the accessibility bus: a window of its own (not a
// filler), and the page's links, which the page view walks with Tab, told to
// a screen reader one by one as they take the focus.
#include <QAccessible>
#include <QTextBrowser>

namespace vadelon {

// Makes the help window read as a window; once, before it is first described.
void DescribeHelpWindow();

// The help window's page view: each link of its page that takes the focus
// from the keyboard is told to a screen reader as a focused link, named by
// its text.
class PageView final : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    ~PageView() override;

protected:
    bool focusNextPrevChild(bool next) override;

private:
    QAccessible::Id toldLink_ = 0;  // the link told last, released with the next
};

}  // namespace vadelon
