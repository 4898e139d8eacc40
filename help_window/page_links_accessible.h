#pragma once
// The help window on the accessibility bus: a window of its own (not a
// filler), and its page a document whose text a screen reader reads with the
// caret and whose links are its children, told one by one as Tab reaches
// them.
#include <QAccessible>

class QTextBrowser;

namespace vadelon {

// Makes the help window read as a window and its page as a document; once,
// before either is first described.
void DescribeHelpWindow();

// After Tab has moved browser's focus: tells a screen reader the link that
// now has it, if any, as the page's focused child; true when one was told.
bool TellFocusedLink(QTextBrowser* browser);

// After the caret has left the link told last: tells a screen reader that
// the page itself has the focus again, so that it reads where the caret goes.
void TellPageFocused(QTextBrowser* browser);

}  // namespace vadelon
