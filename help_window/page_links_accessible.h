#pragma once
// The help window on the accessibility bus: a window of its own (not a
// filler), and the page's links, which the page view walks with Tab, told to
// a screen reader one by one as they take the focus.
#include <QAccessible>

class QTextBrowser;

namespace vadelon {

// Makes the help window read as a window; once, before it is first described.
void DescribeHelpWindow();

// After Tab has moved browser's focus: tells a screen reader the link that
// now has it, if any, as a focused link named by its text. told holds the
// link told last, released when the next is told (or by ForgetToldLink).
void TellFocusedLink(QTextBrowser* browser, QAccessible::Id& told);
void ForgetToldLink(QAccessible::Id& told);

}  // namespace vadelon
